#include <QDir>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

int runTool(const QStringList& args, QString* errors = nullptr)
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral(TALVERN_CABINETART_TOOL), args);
    if (!tool.waitForFinished(120000))
        return -1;
    if (errors)
        *errors = QString::fromLocal8Bit(tool.readAllStandardError());
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

TEST(Tool, WritesEveryPictureAndThePreview)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString out = dir.filePath(QStringLiteral("art"));
    const QString preview = dir.filePath(QStringLiteral("preview.png"));
    QString errors;
    ASSERT_EQ(runTool({QStringLiteral("--preview"), preview, out}, &errors), 0) << errors.toStdString();

    auto sizeOf = [&](const QString& name) { return QImage(QDir(out).filePath(name)).size(); };
    EXPECT_EQ(QImage(preview).size(), QSize(800, 600));
    EXPECT_EQ(sizeOf(QStringLiteral("fon.png")), QSize(800, 600));
    EXPECT_EQ(sizeOf(QStringLiteral("intro.png")), QSize(800, 600));
    EXPECT_EQ(sizeOf(QStringLiteral("dealx.png")), QSize(188, 95));
    EXPECT_EQ(sizeOf(QStringLiteral("Deal-pressed.png")), QSize(134, 79));
    EXPECT_EQ(sizeOf(QStringLiteral("btnexit-disabled.png")), QSize(113, 33));
    EXPECT_EQ(sizeOf(QStringLiteral("payment-11.png")), QSize(90, 17));
    EXPECT_EQ(sizeOf(QStringLiteral("duble-7.png")), QSize(175, 145));
    EXPECT_EQ(QDir(out).entryList({QStringLiteral("*.png")}).size(), 3 + 2 + 13 * 4 + 12 + 8);
}

TEST(Tool, HonoursTheDevicePixelRatio)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString preview = dir.filePath(QStringLiteral("preview@2x.png"));
    ASSERT_EQ(runTool({QStringLiteral("--dpr"), QStringLiteral("2"), QStringLiteral("--preview"), preview}), 0);
    EXPECT_EQ(QImage(preview).size(), QSize(1600, 1200));
}

TEST(Tool, RefusesANonsenseRatio)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_NE(runTool({QStringLiteral("--dpr"), QStringLiteral("zero"), dir.path()}), 0);
    EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral("*.png")}).isEmpty());
}

} // namespace
