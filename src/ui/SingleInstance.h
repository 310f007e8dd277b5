// One running instance per program file. The first instance holds a lock file and a
// local server under a key made from the program's full path; a later start asks it to
// raise its window and ends. When no running instance answers, the later start runs.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace rq::ui {

class SingleInstance : public QObject {
    Q_OBJECT

public:
    // `programPath`: the full path of the program file.
    explicit SingleInstance(const QString& programPath);
    ~SingleInstance() override;

    // The key: the path with every backslash turned into a slash, hashed into a name
    // that local servers and file names accept.
    static QString KeyFor(const QString& programPath);

    // True when this process may run: it is the first instance, or none answered. False
    // when a running instance was asked to raise its window. Tries `attempts` times,
    // `pauseMs` apart.
    bool Acquire(int attempts = 40, int pauseMs = 250);
    // Called when a later start asks this instance to come to the front.
    void SetRaiseHandler(std::function<void()> raise) { raise_ = std::move(raise); }

private:
    bool AskRunningInstance();
    void Listen();

    QString key_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> raise_;
};

}  // namespace rq::ui
