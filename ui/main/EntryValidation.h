#pragma once
// The entry checks of the main window, apart from the window itself: which
// entry is the first bad one and what the user is told about it, and the key
// filter that keeps the name fields to letters, spaces and backspace.

#include "app/platform/Platform.h"

#include <QCoreApplication>
#include <QHash>
#include <QObject>
#include <QString>

#include <array>
#include <cstddef>
#include <functional>

class QLineEdit;

namespace entry {

// One person's entries as the controls hold them: the name as typed and the
// numbers of the selected day, month (1 is January) and year.
struct PersonEntry {
    QString name;
    int day = 1;
    int month = 1;
    int year = 1900;
};

enum class Problem {
    None,
    MissingUserName,
    MissingPartnerName,
    NoSuchFebruaryDay,  // 29 February of a common year, 30 or 31 February
    NoThirtyFirst,      // 31 April, June, September or November
};

// A name counts as given only when it holds a letter A-Z or a-z: a pasted
// "1234" would otherwise pass and produce a reading of nothing.
bool hasNameLetter(const QString& name);

// The problem with one birth date in the Gregorian calendar, or Problem::None.
Problem checkBirthDate(int day, int month, int year);

// The first problem in the program's order: user's name, partner's name,
// user's date, partner's date.
Problem findFirstProblem(const std::array<PersonEntry, 2>& people);

// What the user is told about a problem, and with which icon.
QString problemMessage(Problem problem);
kivo::platform::MessageIcon problemIcon(Problem problem);

// The typed characters a name field takes: A-Z, a-z, space and backspace.
bool isNameCharacterAccepted(int code);

// The message shown when a name field refuses a typed character.
QString refusedCharacterMessage();

}  // namespace entry

// Watches the name fields and hands every character the user types to a key
// handler before the field sees it; the handler refuses a character by
// setting its code to 0. Keys that type nothing (arrows, Home, End, Delete,
// Tab, modifiers) are not the handler's business and pass untouched; a key
// that inserts a character is offered whatever the modifiers. A
// Ctrl+letter press counts as typing its control character, so the clipboard
// keys of a field reach the handler and are refused there; the field itself
// claims them before any window shortcut could.
class NameKeyFilter : public QObject {
    Q_OBJECT
public:
    using KeyHandler = std::function<void(std::size_t index, int& keyAscii)>;

    NameKeyFilter(KeyHandler handler, QObject* parent = nullptr);

    void watch(QLineEdit* field, std::size_t index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // False when the handler refused one of the characters.
    bool offer(std::size_t index, const QString& typed);

    KeyHandler handler_;
    QHash<QObject*, std::size_t> indexOf_;
};
