#pragma once
// A platform that records instead of acting: every message box and every
// opened address is kept for the test to inspect, nothing is modal, and the
// random numbers and the single-instance answer are the test's to choose.

#include "app/platform/Platform.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>

namespace kivo::testing {

struct RecordedMessage {
    QString text;
    platform::MessageIcon icon;
    QPointer<QWidget> parent;
};

class RecordingPlatform : public platform::Platform {
public:
    // Installs itself for the lifetime of the object.
    RecordingPlatform();
    ~RecordingPlatform() override;

    void showMessage(QWidget* parent, const QString& text, platform::MessageIcon icon) override;
    void openUrl(const QUrl& address) override;
    bool acquireSingleInstanceLock() override;
    void seedRandomFromClock() override;
    float nextRandom() override;
    void makeTopmost(QWidget* window) override;

    QList<RecordedMessage> messages;
    QList<QUrl> openedUrls;
    QList<QPointer<QWidget>> topmostWindows;
    int seedCount = 0;

    // Answers of the queries; tests set what they need.
    bool otherCopyRunning = false;
    QList<float> randomValues;  // consumed front first; 0 once empty

    // Runs while a message box would be on screen, e.g. to check the focus.
    std::function<void(const RecordedMessage&)> onMessage;

    QStringList messageTexts() const;
    void clear();
};

}  // namespace kivo::testing
