#include "tests/support/RecordingPlatform.h"

namespace kivo::testing {

RecordingPlatform::RecordingPlatform() { platform::install(this); }

RecordingPlatform::~RecordingPlatform() { platform::install(nullptr); }

void RecordingPlatform::showMessage(QWidget* parent, const QString& text, platform::MessageIcon icon) {
    messages.append({text, icon, parent});
    if (onMessage) {
        onMessage(messages.constLast());
    }
}

void RecordingPlatform::openUrl(const QUrl& address) { openedUrls.append(address); }

bool RecordingPlatform::acquireSingleInstanceLock() { return !otherCopyRunning; }

void RecordingPlatform::seedRandomFromClock() { ++seedCount; }

float RecordingPlatform::nextRandom() { return randomValues.isEmpty() ? 0.0F : randomValues.takeFirst(); }

void RecordingPlatform::makeTopmost(QWidget* window) { topmostWindows.append(window); }

QStringList RecordingPlatform::messageTexts() const {
    QStringList texts;
    for (const RecordedMessage& m : messages) {
        texts.append(m.text);
    }
    return texts;
}

void RecordingPlatform::clear() {
    messages.clear();
    openedUrls.clear();
    topmostWindows.clear();
    seedCount = 0;
}

}  // namespace kivo::testing
