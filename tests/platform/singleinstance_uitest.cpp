#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include "platform/singleinstance.h"

namespace {

void waitfor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The real program started as a second copy: it finds the lock taken, tells
// this copy to come forward and ends at once with code 0.
TEST(SingleInstance, SecondProgramSignalsTheFirstAndEnds)
{
    QTemporaryDir runtime;
    SingleInstance first(runtime.path());
    ASSERT_TRUE(first.start());
    int activations = 0;
    QObject::connect(&first, &SingleInstance::activate, [&] { ++activations; });

    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    second.setProcessEnvironment(env);
    second.start(MALVORA_PROGRAM_DIR "/malvora", {});
    ASSERT_TRUE(second.waitForStarted());
    waitfor([&] { return second.state() == QProcess::NotRunning && activations > 0; }, 10000);
    EXPECT_EQ(second.state(), QProcess::NotRunning);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(activations, 1);
}

TEST(SingleInstance, SecondCopyInTheSameFolderIsRefused)
{
    QTemporaryDir runtime;
    SingleInstance first(runtime.path());
    ASSERT_TRUE(first.start());
    SingleInstance second(runtime.path());
    EXPECT_FALSE(second.start());
}

TEST(SingleInstance, LockOfACopyThatDiedIsTakenOver)
{
    QTemporaryDir runtime;
    QProcess gone;
    gone.start("sleep", {"30"});
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 deadpid = gone.processId();
    gone.kill();
    ASSERT_TRUE(gone.waitForFinished());
    QFile lock(runtime.path() + "/malvora.lock");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadpid) + "\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
               QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();

    SingleInstance next(runtime.path());
    EXPECT_TRUE(next.start());
}

}  // namespace
