#include "ui/main/EntryValidation.h"

#include <QDate>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace entry {
namespace {

constexpr int kFebruary = 2;

constexpr int kBackspace = 8;
constexpr int kSpace = 32;

// The translation context of the messages below.
class EntryValidation {
    Q_DECLARE_TR_FUNCTIONS(EntryValidation)
};

}  // namespace

bool hasNameLetter(const QString& name) {
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if ((u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z')) {
            return true;
        }
    }
    return false;
}

Problem checkBirthDate(int day, int month, int year) {
    if (day <= QDate(year, month, 1).daysInMonth()) {
        return Problem::None;
    }
    return month == kFebruary ? Problem::NoSuchFebruaryDay : Problem::NoThirtyFirst;
}

Problem findFirstProblem(const std::array<PersonEntry, 2>& people) {
    if (!hasNameLetter(people[0].name)) {
        return Problem::MissingUserName;
    }
    if (!hasNameLetter(people[1].name)) {
        return Problem::MissingPartnerName;
    }
    for (const PersonEntry& person : people) {
        if (const Problem problem = checkBirthDate(person.day, person.month, person.year);
            problem != Problem::None) {
            return problem;
        }
    }
    return Problem::None;
}

QString problemMessage(Problem problem) {
    switch (problem) {
    case Problem::MissingUserName:
        return EntryValidation::tr("Please Enter Your Name");
    case Problem::MissingPartnerName:
        return EntryValidation::tr("Please Enter Your Partner's Name");
    case Problem::NoSuchFebruaryDay:
        return EntryValidation::tr("Please Enter Correct Date Or Month!");
    case Problem::NoThirtyFirst:
        // The space before the mark is how this message has always read.
        return EntryValidation::tr("Please Enter Correct Date Or Month !");
    case Problem::None:
        break;
    }
    return {};
}

kivo::platform::MessageIcon problemIcon(Problem problem) {
    // Missing entries are refusals; an impossible date is a hint.
    return problem == Problem::MissingUserName || problem == Problem::MissingPartnerName
               ? kivo::platform::MessageIcon::Error
               : kivo::platform::MessageIcon::Information;
}

bool isNameCharacterAccepted(int code) {
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code == kSpace ||
           code == kBackspace;
}

QString refusedCharacterMessage() { return EntryValidation::tr("Name Can Accept Text Only"); }

}  // namespace entry

namespace {

// The characters a key press types, as the key filter judges them; empty for
// keys that move, delete, change focus or only modify.
QString typedCharacters(const QKeyEvent& event) {
    const int key = event.key();
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool control = mods.testFlag(Qt::ControlModifier);
    const bool alt = mods.testFlag(Qt::AltModifier);
    if (alt && !control) {
        // An Alt key that reaches the field is no access key of the window
        // (those are taken before the field sees them), and the field
        // inserts its character as if typed: Alt+1 types "1".
        const QString text = event.text();
        return !text.isEmpty() && text.at(0).isPrint() ? text : QString();
    }
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Insert:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
        return {};
    case Qt::Key_Backspace:
        return QStringLiteral("\b");
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Escape:
        return QStringLiteral("\x1b");
    default:
        break;
    }
    if (control && !alt && key >= Qt::Key_A && key <= Qt::Key_Z) {
        // Ctrl+C types character 3 whatever text the platform attaches.
        return QString(QChar(key - Qt::Key_A + 1));
    }
    return event.text();
}

}  // namespace

NameKeyFilter::NameKeyFilter(KeyHandler handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {}

void NameKeyFilter::watch(QLineEdit* field, std::size_t index) {
    indexOf_.insert(field, index);
    field->installEventFilter(this);
}

bool NameKeyFilter::offer(std::size_t index, const QString& typed) {
    for (const QChar c : typed) {
        int keyAscii = c.unicode();
        handler_(index, keyAscii);
        if (keyAscii == 0) {
            return false;
        }
    }
    return true;
}

bool NameKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    const auto found = indexOf_.constFind(watched);
    if (found == indexOf_.constEnd()) {
        return false;
    }
    switch (event->type()) {
    case QEvent::KeyPress: {
        const QString typed = typedCharacters(*static_cast<QKeyEvent*>(event));
        if (typed.isEmpty()) {
            return false;
        }
        return !offer(found.value(), typed);
    }
    case QEvent::InputMethod: {
        // Characters composed by an input method (dead keys, say) are typed too.
        auto* composed = static_cast<QInputMethodEvent*>(event);
        if (!composed->commitString().isEmpty() && !offer(found.value(), composed->commitString())) {
            composed->setCommitString(QString());
        }
        return false;
    }
    default:
        return false;
    }
}
