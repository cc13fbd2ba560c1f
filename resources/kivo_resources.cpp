// Anchor for the resource library; the images themselves come from the .qrc files.
