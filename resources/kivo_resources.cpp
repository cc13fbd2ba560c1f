// Anchor for the resource library; qt_add_resources (CMakeLists.txt here)
// compiles the images into it.
