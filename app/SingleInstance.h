#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;

namespace marulo {

// One running copy per user and application title. A lock file decides who is
// the primary copy; the primary listens on a local socket, and a later start
// connects, hands over the folder or file it was given (if any), asks the
// primary to come forward, and ends. The message is in app/HandOverMessage.h.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& title, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Decided in the constructor: true when this copy holds the lock.
    bool isPrimary() const { return primary_; }

    // Primary only: what a later start asks for. Given the path to open
    // (empty for none); returns false when it could not be opened.
    using Handler = std::function<bool(const QString& path)>;
    void setHandler(Handler handler) { handler_ = std::move(handler); }

    // Secondary only: hands path (absolute, or empty) to the primary. Waits at
    // most about a second for its answer.
    enum class HandOverResult { Opened, NotOpened, Refused, NoAnswer };
    HandOverResult handOver(const QString& path);

    // Per-user names derived from the title, short enough for socket paths.
    static QString serverName(const QString& title);
    static QString lockPath(const QString& title);

private:
    void listen();
    void acceptConnection();
    QByteArray answer(const QByteArray& received);

    QString title_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
    Handler handler_;
    bool primary_ = false;
};

} // namespace marulo
