// Two runs of the generator and rcc give byte-identical files, equal to the
// ones the build made, so builds are reproducible.
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

using Digests = std::map<QString, QByteArray>;

// Every file under `root`, by its path relative to it.
Digests DigestTree(const QString& root)
{
    Digests out;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) continue;
        out[QDir(root).relativeFilePath(path)] = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    return out;
}

// One full generation into `dir`: game/, store/ and icon.png.
bool Generate(const QString& dir)
{
    QProcess art;
    art.start(TARVIK_ARTGEN, {dir + "/game", dir + "/store", dir + "/game-icon/icon.png"});
    if (!art.waitForFinished(120000) || art.exitCode() != 0) return false;
    QProcess rcc;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_RCC_SOURCE_DATE_OVERRIDE", "1");
    rcc.setProcessEnvironment(env);
    rcc.start(TARVIK_RCC, {"--binary", "--no-compress", "-o", dir + "/game/resources.rcc", dir + "/store/pictures.qrc"});
    return rcc.waitForFinished(120000) && rcc.exitCode() == 0;
}

TEST(Generation, TwoRunsGiveIdenticalBytes)
{
    QTemporaryDir a, b;
    ASSERT_TRUE(a.isValid() && b.isValid());
    ASSERT_TRUE(Generate(a.path()));
    ASSERT_TRUE(Generate(b.path()));
    const Digests first = DigestTree(a.path() + "/game"), second = DigestTree(b.path() + "/game");
    ASSERT_GE(first.size(), 9u);
    EXPECT_EQ(first, second);
    EXPECT_EQ(DigestTree(a.path() + "/store"), DigestTree(b.path() + "/store"));
    EXPECT_EQ(DigestTree(a.path() + "/game-icon"), DigestTree(b.path() + "/game-icon"));

    // The build's own folder holds the same files (and perhaps others' files).
    const Digests built = DigestTree(TARVIK_GAME_DIR);
    for (const auto& [name, digest] : first) {
        ASSERT_TRUE(built.count(name)) << qPrintable(name);
        EXPECT_EQ(built.at(name), digest) << qPrintable(name);
    }
}

}  // namespace
