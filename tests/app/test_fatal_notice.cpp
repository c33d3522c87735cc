// The fatal error notice: the error icon and OK alone, then the process ends
// with status -1.
#include <QProcess>
#include <QTest>

class FatalNoticeTest : public QObject {
  Q_OBJECT

 private slots:
  void a_fatal_error_shows_the_notice_then_ends_with_minus_one() {
    QProcess probe;
    probe.start(QStringLiteral(FATAL_NOTICE_PROBE), {});
    QVERIFY(probe.waitForFinished(30'000));
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QCOMPARE(static_cast<signed char>(probe.exitCode()), -1);
    const QStringList shown = QString::fromUtf8(probe.readAllStandardOutput()).split(u'\n');
    QCOMPARE(shown.value(0),
             QStringLiteral("icon %1 buttons 1").arg(static_cast<int>(3)));  // 3: Critical
    QVERIFY(shown.value(1).contains(u"内存"));  // names the failure: memory was refused
  }
};

QTEST_MAIN(FatalNoticeTest)
#include "test_fatal_notice.moc"
