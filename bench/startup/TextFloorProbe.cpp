// The yardstick: the least a program needs to show a window like ours, a
// main window of the same size with a menu bar, three labels in the three
// fonts we draw in (11 px, 11 px bold, 19 px bold), a button, a line edit and
// a combo box, all at fixed places in the application's default font family.

#include "bench/startup/FirstPaint.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

// The client area of the program's main window.
constexpr QSize kClientSize{640, 452};

QFont defaultFont(int pixels, bool bold) {
    QFont font = QApplication::font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void addLabel(QWidget* parent, const QString& text, const QFont& font, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setGeometry(place);
}

}  // namespace

int main(int argc, char* argv[]) {
    FirstPaintApplication app(argc, argv);
    initialiseFonts();

    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));

    auto* client = new QWidget(&window);
    client->setFixedSize(kClientSize);
    window.setCentralWidget(client);

    const QString pangram = QStringLiteral("The quick brown fox jumps over the lazy dog.");
    addLabel(client, pangram, defaultFont(11, false), {20, 20, 600, 20});
    addLabel(client, pangram, defaultFont(11, true), {20, 50, 600, 20});
    addLabel(client, pangram, defaultFont(19, true), {20, 80, 600, 30});

    auto* button = new QPushButton(QStringLiteral("&Proceed"), client);
    button->setFont(defaultFont(11, true));
    button->setGeometry(320, 306, 298, 40);

    auto* edit = new QLineEdit(client);
    edit->setFont(defaultFont(11, false));
    edit->setGeometry(20, 130, 274, 24);

    auto* list = new QComboBox(client);
    list->setFont(defaultFont(11, false));
    for (int day = 1; day <= 31; ++day) {
        list->addItem(QString::number(day));
    }
    list->setGeometry(20, 170, 60, 24);

    window.setFixedSize(kClientSize.width(), kClientSize.height() + window.menuBar()->sizeHint().height());
    window.show();
    return app.exec();
}
