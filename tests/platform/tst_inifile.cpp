// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/filebytes.h"
#include "platform/profile.h"
#include "platform/profilefile.h"
#include "platform/tinifile.h"
#include "platform/unprivileged.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class TestIniFile : public QObject {
    Q_OBJECT
private slots:
    void init();

    void writeSequence_data();
    void writeSequence();
    void readString_data();
    void readString();
    void readInteger_data();
    void readInteger();
    void readBool_data();
    void readBool();
    void rereadEachCall();

    void badContent_data();
    void badContent();
    void unusablePlace_data();
    void unusablePlace();
    void keepsModeAndFollowsLinks();
    void fullDiskLeavesOldFile();
    void killedBeforeRenameLeavesNothing();
    void leftoversOfDeadWritersGo_data();
    void leftoversOfDeadWritersGo();

private:
    QString path(const QString &name = QStringLiteral("chromohm.INI")) const {
        return m_dir->filePath(name);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

std::string local(const QString &path) {
    return QFile::encodeName(path).toStdString();
}

// "W|section|key|value" writes a text, "E|section" erases a section.
void apply(TIniFile &ini, const QStringList &ops) {
    for (const QString &op : ops) {
        const QStringList part = op.split(QLatin1Char('|'));
        if (part[0] == QLatin1String("W"))
            ini.WriteString(part[1].toStdString(), part[2].toStdString(), part[3].toStdString());
        else
            ini.EraseSection(part[1].toStdString());
    }
}

// What the program writes at close.
QStringList saveOps(int status, int x, int y) {
    return {QStringLiteral("W|Chromohm|version|1.0"),
            QStringLiteral("W|Informations|status|%1").arg(status), QStringLiteral("E|Position"),
            QStringLiteral("W|Position|x|%1").arg(x), QStringLiteral("W|Position|y|%1").arg(y)};
}

// Hidden new files that a write leaves beside the settings file.
QStringList leftovers(const QString &folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System).filter(".chromohm");
}

} // namespace

void TestIniFile::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestIniFile::writeSequence_data() {
    QTest::addColumn<bool>("existsBefore");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("ops");
    QTest::addColumn<bool>("existsAfter");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("first start") << false << QByteArray() << QStringList{"W|Chromohm|version|1.0"}
                                 << true << QByteArray("[Chromohm]\r\nversion=1.0\r\n");
    QTest::newRow("first start and close")
        << false << QByteArray() << (QStringList{"W|Chromohm|version|1.0"} + saveOps(1, 0, 0))
        << true
        << QByteArray("[Chromohm]\r\nversion=1.0\r\n[Informations]\r\nstatus=1\r\n"
                      "[Position]\r\nx=0\r\ny=0\r\n");
    QTest::newRow("hand-edited, LF, comments and blanks")
        << true
        << QByteArray("; Réglages\n\n[Position]\nx=10\ny=20\nwidth=300\n\n"
                      "[Informations]\nstatus=yes\n; keep me\nextra=kept\n\n"
                      "[Chromohm]\nversion=0.9\n")
        << saveOps(0, 32, 48) << true
        << QByteArray("; Réglages\n\n[Informations]\nstatus=0\n; keep me\nextra=kept\n\n"
                      "[Chromohm]\nversion=1.0\n[Position]\nx=32\ny=48\n");
    QTest::newRow("odd case, blanks, quotes, CRLF")
        << true
        << QByteArray("[ CHROMOHM ]\r\nVersion = 2.5 \r\n[informations]\r\n  STATUS  =  \"7\"  \r\n"
                      "[position]\r\nX = 5\r\nY = 6\r\n")
        << saveOps(1, 5, 6) << true
        << QByteArray("[ CHROMOHM ]\r\nVersion=1.0\r\n[informations]\r\nSTATUS=1\r\n"
                      "[Position]\r\nx=5\r\ny=6\r\n");
    QTest::newRow("duplicate key: the first is replaced")
        << true << QByteArray("[Informations]\nstatus=0\nstatus=0\n[Informations]\nstatus=0\n")
        << QStringList{"W|Informations|status|1"} << true
        << QByteArray("[Informations]\nstatus=1\nstatus=0\n[Informations]\nstatus=0\n");
    QTest::newRow("duplicate section: the first is erased")
        << true << QByteArray("[Position]\nx=1\n[Chromohm]\nversion=1.0\n[Position]\nx=2\n")
        << QStringList{"E|Position", "W|Position|x|7"} << true
        << QByteArray("[Chromohm]\nversion=1.0\n[Position]\nx=7\n");
    QTest::newRow("new key after the section's last line, before its blank lines")
        << true << QByteArray("[Informations]\r\n; hint option\r\n\r\n[Chromohm]\r\n")
        << QStringList{"W|Informations|status|1"} << true
        << QByteArray("[Informations]\r\n; hint option\r\nstatus=1\r\n\r\n[Chromohm]\r\n");
    QTest::newRow("CR-only line ends kept")
        << true << QByteArray("[Chromohm]\rversion=0.1\r") << QStringList{"W|Informations|status|0"}
        << true << QByteArray("[Chromohm]\rversion=0.1\r[Informations]\rstatus=0\r");
    QTest::newRow("last line without its line end")
        << true << QByteArray("[Chromohm]\nversion=0.1") << QStringList{"W|Chromohm|note|x"} << true
        << QByteArray("[Chromohm]\nversion=0.1\nnote=x\n");
    QTest::newRow("header without ] is an ordinary line")
        << true << QByteArray("[Position\nx=3\n") << QStringList{"W|Position|x|4"} << true
        << QByteArray("[Position\nx=3\n[Position]\nx=4\n");
    QTest::newRow("a commented key is no key")
        << true << QByteArray("[Position]\n;x=3\n") << QStringList{"W|Position|x|4"} << true
        << QByteArray("[Position]\n;x=3\nx=4\n");
    QTest::newRow("byte order mark kept")
        << true << QByteArray("\xEF\xBB\xBF[Chromohm]\r\nversion=0.9\r\n")
        << QStringList{"W|Chromohm|version|1.0"} << true
        << QByteArray("\xEF\xBB\xBF[Chromohm]\r\nversion=1.0\r\n");
    QTest::newRow("erasing a missing section changes nothing")
        << true << QByteArray("[Chromohm]\nversion=1.0\n") << QStringList{"E|Position"} << true
        << QByteArray("[Chromohm]\nversion=1.0\n");
    QTest::newRow("erasing in a missing file creates none")
        << false << QByteArray() << QStringList{"E|Position"} << false << QByteArray();
    QTest::newRow("a value stays on its line")
        << false << QByteArray() << QStringList{"W|Chromohm|note|a\r\n[Position]\r\nx=9"} << true
        << QByteArray("[Chromohm]\r\nnote=a\r\n");
}

void TestIniFile::writeSequence() {
    QFETCH(bool, existsBefore);
    QFETCH(QByteArray, before);
    QFETCH(QStringList, ops);
    QFETCH(bool, existsAfter);
    QFETCH(QByteArray, after);
    if (existsBefore)
        store(path(), before);
    TIniFile ini(local(path()));
    apply(ini, ops);
    QCOMPARE(QFileInfo::exists(path()), existsAfter);
    if (existsAfter)
        QCOMPARE(bytesOf(path()), after);
    QVERIFY(leftovers(m_dir->path()).isEmpty());
}

void TestIniFile::readString_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("value");

    const QByteArray basic("[Position]\r\nx=12\r\n");
    QTest::newRow("plain") << basic << "Position"
                           << "x" << QByteArray("12");
    QTest::newRow("names in any case") << basic << "POSITION"
                                       << "X" << QByteArray("12");
    QTest::newRow("missing key") << basic << "Position"
                                 << "y" << QByteArray("<default>");
    QTest::newRow("missing section") << basic << "Chromohm"
                                     << "x" << QByteArray("<default>");
    QTest::newRow("blanks around everything")
        << QByteArray("  [  Position\t]  \n\t x \t=  a b  \n") << "Position"
        << "x" << QByteArray("a b");
    QTest::newRow("double quotes") << QByteArray("[s]\nk=\" a \"\n") << "s"
                                   << "k" << QByteArray(" a ");
    QTest::newRow("single quotes") << QByteArray("[s]\nk='b'\n") << "s"
                                   << "k" << QByteArray("b");
    QTest::newRow("unmatched quotes") << QByteArray("[s]\nk=\"b'\n") << "s"
                                      << "k" << QByteArray("\"b'");
    QTest::newRow("lone quote") << QByteArray("[s]\nk=\"\n") << "s"
                                << "k" << QByteArray("\"");
    QTest::newRow("empty value") << QByteArray("[s]\nk=\n") << "s"
                                 << "k" << QByteArray("");
    QTest::newRow("equals sign in the value") << QByteArray("[s]\nk=a=b\n") << "s"
                                              << "k" << QByteArray("a=b");
    QTest::newRow("comment") << QByteArray("[s]\n;k=1\n") << "s"
                             << "k" << QByteArray("<default>");
    QTest::newRow("indented comment") << QByteArray("[s]\n  ; k=1\nk=2\n") << "s"
                                      << "k" << QByteArray("2");
    QTest::newRow("line without equals") << QByteArray("[s]\nk\n") << "s"
                                         << "k" << QByteArray("<default>");
    QTest::newRow("header without ]") << QByteArray("[s]\nk=1\n[t\nk=2\n") << "s"
                                      << "k" << QByteArray("1");
    QTest::newRow("text after ]") << QByteArray("[s] old\nk=1\n") << "s"
                                  << "k" << QByteArray("1");
    QTest::newRow("first key counts") << QByteArray("[s]\nk=1\nK=2\n") << "s"
                                      << "k" << QByteArray("1");
    QTest::newRow("first section counts") << QByteArray("[s]\nj=1\n[S]\nk=2\n") << "s"
                                          << "k" << QByteArray("<default>");
    QTest::newRow("key before any section") << QByteArray("k=0\n[s]\nk=1\n") << "s"
                                            << "k" << QByteArray("1");
    QTest::newRow("LF") << QByteArray("[a]\nk=1\n[s]\nk=2\n") << "s"
                        << "k" << QByteArray("2");
    QTest::newRow("CR") << QByteArray("[a]\rk=1\r[s]\rk=2\r") << "s"
                        << "k" << QByteArray("2");
    QTest::newRow("mixed") << QByteArray("[a]\r\nk=1\r[s]\nk=2") << "s"
                           << "k" << QByteArray("2");
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[s]\nk=3\n") << "s"
                                     << "k" << QByteArray("3");
    QTest::newRow("1023 characters at most")
        << QByteArray("[s]\nk=" + QByteArray(2000, 'v') + "\n") << "s"
        << "k" << QByteArray(1023, 'v');
    QTest::newRow("NUL ends a value") << QByteArray("[s]\nk=ab\0cd\n", 12) << "s"
                                      << "k" << QByteArray("ab");
    QTest::newRow("invalid UTF-8 read as bytes") << QByteArray("[s]\nk=\xff\xfe\xc3\n") << "s"
                                                 << "k" << QByteArray("\xff\xfe\xc3");
}

void TestIniFile::readString() {
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QByteArray, value);
    store(path(), file);
    const TIniFile ini(local(path()));
    const std::string read = ini.ReadString(section.toStdString(), key.toStdString(), "<default>");
    QCOMPARE(QByteArray::fromStdString(read), value);
}

void TestIniFile::readInteger_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("expected");
    const int Default = 99;
    QTest::newRow("decimal") << QByteArray("42") << 42;
    QTest::newRow("0x20") << QByteArray("0x20") << 32;
    QTest::newRow("0X2a") << QByteArray("0X2a") << 42;
    QTest::newRow("$20") << QByteArray("$20") << 32;
    QTest::newRow("-$20") << QByteArray("-$20") << -32;
    QTest::newRow("abc") << QByteArray("abc") << Default;
    QTest::newRow("empty") << QByteArray("") << Default;
    QTest::newRow("negative") << QByteArray("-250") << -250;
    QTest::newRow("plus") << QByteArray("+7") << 7;
    QTest::newRow("sign alone") << QByteArray("+") << Default;
    QTest::newRow("minus alone") << QByteArray("-") << Default;
    QTest::newRow("leading blanks") << QByteArray("\"  12\"") << 12;
    QTest::newRow("trailing blank") << QByteArray("\"12 \"") << Default;
    QTest::newRow("blank after sign") << QByteArray("- 12") << Default;
    QTest::newRow("blank before 0x") << QByteArray("\" 0x20\"") << Default;
    QTest::newRow("0x alone") << QByteArray("0x") << Default;
    QTest::newRow("0x then sign") << QByteArray("0x-5") << Default;
    QTest::newRow("$ alone") << QByteArray("$") << Default;
    QTest::newRow("digits then letters") << QByteArray("12abc") << Default;
    QTest::newRow("exponent") << QByteArray("1e3") << Default;
    QTest::newRow("decimal comma") << QByteArray("1,5") << Default;
    QTest::newRow("largest") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("overflow") << QByteArray("2147483648") << Default;
    QTest::newRow("smallest") << QByteArray("-2147483648") << int(-2147483647 - 1);
    QTest::newRow("underflow") << QByteArray("-2147483649") << Default;
    QTest::newRow("hex largest") << QByteArray("0x7FFFFFFF") << 2147483647;
    QTest::newRow("hex overflow") << QByteArray("0xFFFFFFFF") << Default;
    QTest::newRow("$ overflow") << QByteArray("$80000000") << Default;
    QTest::newRow("many digits") << QByteArray("00000000000000000000000012") << 12;
    QTest::newRow("huge") << QByteArray(5000, '9') << Default;
}

void TestIniFile::readInteger() {
    QFETCH(QByteArray, stored);
    QFETCH(int, expected);
    store(path(), "[Position]\r\nx=" + stored + "\r\n");
    const TIniFile ini(local(path()));
    QCOMPARE(ini.ReadInteger("Position", "x", 99), expected);
    QCOMPARE(ini.ReadInteger("Position", "missing", 99), 99);
}

void TestIniFile::readBool_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("whenTrue");  // with the default true
    QTest::addColumn<bool>("whenFalse"); // with the default false
    QTest::newRow("0") << QByteArray("0") << false << false;
    QTest::newRow("1") << QByteArray("1") << true << true;
    QTest::newRow("7") << QByteArray("7") << true << true;
    QTest::newRow("-1") << QByteArray("-1") << true << true;
    QTest::newRow("0x0") << QByteArray("0x0") << false << false;
    QTest::newRow("yes") << QByteArray("yes") << true << false;
    QTest::newRow("empty") << QByteArray("") << true << false;
}

void TestIniFile::readBool() {
    QFETCH(QByteArray, stored);
    QFETCH(bool, whenTrue);
    QFETCH(bool, whenFalse);
    store(path(), "[Informations]\nstatus=" + stored + "\n");
    const TIniFile ini(local(path()));
    QCOMPARE(ini.ReadBool("Informations", "status", true), whenTrue);
    QCOMPARE(ini.ReadBool("Informations", "status", false), whenFalse);
}

void TestIniFile::rereadEachCall() {
    TIniFile ini(local(path()));
    ini.WriteInteger("Position", "x", 5);
    QCOMPARE(ini.ReadInteger("Position", "x", 0), 5);
    store(path(), "[Position]\nx=6\n"); // another program changes the file
    QCOMPARE(ini.ReadInteger("Position", "x", 0), 6);
    ini.WriteBool("Informations", "status", false);
    QCOMPARE(bytesOf(path()), QByteArray("[Position]\nx=6\n[Informations]\nstatus=0\n"));
    QFile::remove(path());
    QCOMPARE(ini.ReadInteger("Position", "x", 0), 0);
}

void TestIniFile::badContent_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("x"); // what reading Position/x gives, default -1

    QByteArray huge;
    huge.reserve(31 * 1024 * 1024);
    QRandomGenerator random(6);
    while (huge.size() < 30 * 1024 * 1024) {
        huge += "[S" + QByteArray::number(random.bounded(1000)) + "]\r\nkey" +
                QByteArray::number(random.bounded(100000)) + "=value\r\n";
    }
    QTest::newRow("30 MB of sections") << huge + "[Position]\r\nx=3\r\n" << 3;
    QTest::newRow("30 MB without the section") << huge << -1;
    QTest::newRow("20 MB line") << QByteArray(20 * 1024 * 1024, 'a') + "\n[Position]\nx=4\n" << 4;
    QTest::newRow("20 MB key line") << "[Position]\nx=" + QByteArray(20 * 1024 * 1024, '5') << -1;
    QTest::newRow("NUL bytes") << QByteArray("\0[Position]\nx\0=1\n[Position]\0\nx=2\0\n", 34) << 2;
    QTest::newRow("NUL then position") << QByteArray("\0\0\0\n[Position]\nx=8\n", 19) << 8;
    QTest::newRow("invalid UTF-8")
        << QByteArray("\xc3(\xa0\xa1[Position]\n[\xe2\x82]\n\xf0=\x90\n") << -1;
    QByteArray garbage(1024 * 1024, '\0');
    for (char &c : garbage)
        c = char(random.bounded(256));
    QTest::newRow("binary garbage") << garbage << -1;
    QTest::newRow("only line ends") << QByteArray(1024 * 1024, '\r') << -1;
}

void TestIniFile::badContent() {
    QFETCH(QByteArray, content);
    QFETCH(int, x);
    store(path(), content);
    TIniFile ini(local(path()));
    QCOMPARE(ini.ReadInteger("Position", "x", -1), x);
    // A write keeps every byte it does not change.
    ini.WriteString("Chromohm", "version", "1.0");
    QCOMPARE(ini.ReadString("Chromohm", "version", ""), std::string("1.0"));
    const QByteArray after = bytesOf(path());
    QVERIFY(after.startsWith(content.left(content.indexOf("[Chromohm]"))));
}

void TestIniFile::unusablePlace_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder where the file should be") << "folder";
    QTest::newRow("missing folder") << "missing folder";
    QTest::newRow("read-only file") << "read-only";
    QTest::newRow("file that cannot be read") << "write-only";
    QTest::newRow("unwritable folder, no file") << "unwritable folder";
    QTest::newRow("unwritable folder, writable file") << "unwritable folder with file";
    QTest::newRow("FIFO where the file should be") << "fifo";
    QTest::newRow("link loop") << "loop";
}

void TestIniFile::unusablePlace() {
    QFETCH(QString, kind);
    if (!fileModesApply() && (kind.contains(QLatin1String("only")) || kind.contains("unwritable")))
        QSKIP("running as root, which ignores file modes");
    const QByteArray content("[Position]\nx=3\n");
    const QString sub = m_dir->filePath(QStringLiteral("sub"));
    QString file = path();
    int readable = -1; // what Position/x reads
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(file));
    } else if (kind == QLatin1String("missing folder")) {
        file = m_dir->filePath(QStringLiteral("nowhere/chromohm.INI"));
    } else if (kind == QLatin1String("read-only")) {
        store(file, content);
        QVERIFY(::chmod(QFile::encodeName(file), 0444) == 0);
        readable = 3;
    } else if (kind == QLatin1String("write-only")) {
        store(file, content);
        QVERIFY(::chmod(QFile::encodeName(file), 0200) == 0);
    } else if (kind.startsWith(QLatin1String("unwritable folder"))) {
        QVERIFY(QDir().mkdir(sub));
        file = sub + QStringLiteral("/chromohm.INI");
        if (kind.endsWith(QLatin1String("with file"))) {
            store(file, content);
            readable = 3;
        }
        QVERIFY(::chmod(QFile::encodeName(sub), 0555) == 0);
    } else if (kind == QLatin1String("fifo")) {
        QVERIFY(::mkfifo(QFile::encodeName(file), 0666) == 0);
    } else if (kind == QLatin1String("loop")) {
        QVERIFY(QFile::link(file, file + QStringLiteral("2")));
        QVERIFY(QFile::link(file + QStringLiteral("2"), file));
    }
    // Opening a FIFO to look at it would wait for a writer.
    const bool regular = kind != QLatin1String("fifo");
    const QByteArray before = kind == QLatin1String("write-only") ? content
                              : regular                           ? bytesOf(file)
                                                                  : QByteArray();
    TIniFile ini(local(file));
    QCOMPARE(ini.ReadInteger("Position", "x", -1), readable);

    const std::string message = "Ne peut écrire dans " + local(file);
    for (int op = 0; op < 4; ++op) {
        try {
            if (op == 0) {
                ini.WriteString("Chromohm", "version", "1.0");
            } else if (op == 1) {
                ini.EraseSection("Position");
            } else if (op == 2) {
                ini.WriteInteger("Position", "x", 3); // the value it already has
            } else {
                ini.BeginBatch();
                ini.WriteString("Chromohm", "version", "1.0");
                ini.CommitBatch();
            }
            QFAIL("the write should have failed");
        } catch (const std::runtime_error &error) {
            QVERIFY(dynamic_cast<const EIniFileException *>(&error));
            QCOMPARE(std::string(error.what()), message);
        }
    }
    ::chmod(QFile::encodeName(sub), 0755);
    ::chmod(QFile::encodeName(file), 0644);
    if (regular)
        QCOMPARE(bytesOf(file), before);
    QVERIFY(leftovers(m_dir->path()).isEmpty());
    QVERIFY(leftovers(sub).isEmpty());
    if (kind == QLatin1String("folder"))
        QVERIFY(QFileInfo(file).isDir());
    if (kind == QLatin1String("missing folder"))
        QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("nowhere"))));
}

void TestIniFile::keepsModeAndFollowsLinks() {
    const QString target = path(QStringLiteral("real.INI"));
    store(target, "[Position]\nx=1\n");
    QVERIFY(::chmod(QFile::encodeName(target), 0640) == 0);
    QVERIFY(QFile::link(QStringLiteral("real.INI"), path()));
    TIniFile ini(local(path()));
    ini.WriteInteger("Position", "x", 2);
    QVERIFY(QFileInfo(path()).isSymLink());
    QCOMPARE(bytesOf(target), QByteArray("[Position]\nx=2\n"));
    struct stat st;
    QVERIFY(::stat(QFile::encodeName(target), &st) == 0);
    QCOMPARE(int(st.st_mode & 07777), 0640);

    // A link to a file yet to be made creates the file, not a new link.
    const QString dangling = path(QStringLiteral("dangling.INI"));
    QVERIFY(QFile::link(QStringLiteral("later.INI"), dangling));
    TIniFile(local(dangling)).WriteString("Chromohm", "version", "1.0");
    QVERIFY(QFileInfo(dangling).isSymLink());
    QCOMPARE(bytesOf(path(QStringLiteral("later.INI"))),
             QByteArray("[Chromohm]\r\nversion=1.0\r\n"));
}

void TestIniFile::fullDiskLeavesOldFile() {
    const QByteArray old("[Chromohm]\r\nversion=0.9\r\n");
    store(path(), old);
    // A file-size limit makes the new file's write fail as a full disk would.
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = {16, 16};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            TIniFile(local(path())).WriteString("Chromohm", "note", std::string(4096, 'n'));
        } catch (const EIniFileException &) {
            ::_exit(0);
        }
        ::_exit(1);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(bytesOf(path()), old);
    QVERIFY(leftovers(m_dir->path()).isEmpty());
}

void TestIniFile::killedBeforeRenameLeavesNothing() {
    const QByteArray old("[Informations]\r\nstatus=0\r\n");
    store(path(), old);
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        // Killed with the new content written in full but not yet in place.
        platform::profile::replaceFile(local(path()), "[Informations]\r\nstatus=1\r\n",
                                       [] { ::kill(::getpid(), SIGKILL); });
        ::_exit(1);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFSIGNALED(status));
    QCOMPARE(WTERMSIG(status), SIGKILL);
    QCOMPARE(bytesOf(path()), old);

    // Where the file system has files without a name, nothing was ever left;
    // elsewhere the next write clears what the killed one left.
    const int unnamed = ::open(QFile::encodeName(m_dir->path()), O_TMPFILE | O_WRONLY, 0600);
    if (unnamed >= 0) {
        ::close(unnamed);
        QCOMPARE(leftovers(m_dir->path()), QStringList());
    }
    TIniFile(local(path())).WriteInteger("Position", "x", 9);
    QCOMPARE(bytesOf(path()), old + "[Position]\r\nx=9\r\n");
    QCOMPARE(leftovers(m_dir->path()), QStringList());
}

void TestIniFile::leftoversOfDeadWritersGo_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind"); // file, locked (a writer still at work), folder
    QTest::addColumn<bool>("removed");
    QTest::newRow("left by a writer that died") << ".chromohm.INI.0123abcd"
                                                << "file" << true;
    QTest::newRow("a writer still at work") << ".chromohm.INI.0123abcd"
                                            << "locked" << false;
    QTest::newRow("a folder of that name") << ".chromohm.INI.0123abcd"
                                           << "folder" << false;
    QTest::newRow("not eight hex digits") << ".chromohm.INI.0123abcx"
                                          << "file" << false;
    QTest::newRow("another file's") << ".other.INI.0123abcd"
                                    << "file" << false;
}

void TestIniFile::leftoversOfDeadWritersGo() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(bool, removed);
    const QString entry = m_dir->filePath(name);
    if (kind == u"folder")
        QVERIFY(QDir().mkdir(entry));
    else
        store(entry, "[Informations]\r\nstatus=1\r\n");
    const int lock = kind == u"locked" ? ::open(QFile::encodeName(entry), O_RDONLY) : -1;
    QVERIFY(lock < 0 || ::flock(lock, LOCK_EX) == 0);
    TIniFile(local(path())).WriteString("Chromohm", "version", "1.0");
    if (lock >= 0)
        ::close(lock);
    QCOMPARE(QFileInfo::exists(entry), !removed);
    QCOMPARE(bytesOf(path()), QByteArray("[Chromohm]\r\nversion=1.0\r\n"));
}

int main(int argc, char **argv) {
    dropRootPrivileges();
    TestIniFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_inifile.moc"
