#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace marulo {

// One running copy per user and application title. A lock file decides who is
// the primary copy; the primary listens on a local socket, and a later start
// connects, asks the primary to bring its window forward, and ends.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& title, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Decided in the constructor: true when this copy holds the lock.
    bool isPrimary() const { return primary_; }

    // Secondary only: asks the primary to come forward. Waits at most about a
    // second for its answer; true when the primary confirmed.
    bool activatePrimary();

    // Per-user names derived from the title, short enough for socket paths.
    static QString serverName(const QString& title);
    static QString lockPath(const QString& title);

    // The message a later start sends, and the primary's answer.
    static constexpr const char* ActivateMessage = "marulo-activate 1\n";
    static constexpr const char* AnswerMessage = "ok\n";

signals:
    // Primary only: a later start asked for the window to come forward.
    void activationRequested();

private:
    void listen();
    void acceptConnection();

    QString title_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
    bool primary_ = false;
};

} // namespace marulo
