// Through the real program: a picture that cannot be made or written is never
// reported as made, a file that is not a regular one is written into, not replaced,
// and nothing the environment does ends the program with an abort.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;
#elif defined(__has_feature)
constexpr bool Sanitized = __has_feature(address_sanitizer);
#else
constexpr bool Sanitized = false;
#endif

struct Outcome {
  int status = -1;
  QByteArray out;
  QByteArray err;
};

class OutputSafety : public ::testing::Test {
 protected:
  // Runs a bash script in the temporary folder with $S the program, as a user's shell would.
  Outcome Shell(const QString& script) {
    QProcess shell;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    environment.insert("S", SURFPLOT_PROGRAM);
    shell.setProcessEnvironment(environment);
    shell.setWorkingDirectory(folder.path());
    shell.start("bash", {"-c", script});
    shell.waitForFinished(120000);
    return {shell.exitStatus() == QProcess::NormalExit ? shell.exitCode() : -1, shell.readAllStandardOutput(),
            shell.readAllStandardError()};
  }
  QByteArray Read(const QString& name) {
    QFile file(folder.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
  }
  QTemporaryDir folder;
};

constexpr const char* OutOfMemory = "surfplot: Run-time error '7':\n\nOut of memory\n";

// A good old.png (and old.svg) is there first; a failed draw must leave it byte for byte.
// Two threads keep the program's own memory the same on any machine.
TEST_F(OutputSafety, AFailureLeavesTheOldFileAndSaysWhy) {
  ASSERT_EQ(Shell("$S --output old.png && $S --output old.svg").status, 0);
  const QByteArray oldPng = Read("old.png"), oldSvg = Read("old.svg");
  struct Row {
    const char* name;
    const char* script;
    bool limitsMemory;
    int status;
    const char* err;
  };
  const Row rows[] = {
      {"no memory for the cell table",
       "ulimit -v 400000; SURFPLOT_THREADS=2 $S --output old.png --resolution 1990", true, 5, OutOfMemory},
      {"no memory for the image", "ulimit -v 300000; SURFPLOT_THREADS=2 $S --output old.png --size 8192",
       true, 5, OutOfMemory},
      {"no memory for the image on standard output",
       "ulimit -v 300000; SURFPLOT_THREADS=2 $S --output - --size 8192", true, 5, OutOfMemory},
      {"no memory for an SVG's table",
       "ulimit -v 400000; SURFPLOT_THREADS=2 $S --output old.svg --resolution 1990 --mode lines", true, 5,
       OutOfMemory},
      {"a full device", "$S --output - > /dev/full", false, 4,
       "surfplot: cannot write standard output: No space left on device\n"},
      {"a reader that goes away", "$S --output - --size 3000 | head -c 10 > /dev/null; exit ${PIPESTATUS[0]}",
       false, 4, "surfplot: cannot write standard output: Broken pipe\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    if (row.limitsMemory && Sanitized) continue;  // the sanitizer's shadow memory needs more than the limit
    const Outcome outcome = Shell(row.script);
    EXPECT_EQ(outcome.status, row.status);
    EXPECT_EQ(outcome.err, row.err);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(Read("old.png"), oldPng);
    EXPECT_EQ(Read("old.svg"), oldSvg);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "no temporary file left";
  }
}

// A FIFO, a device and a symlink get the picture through them; a name is taken byte for byte.
TEST_F(OutputSafety, WhatTheNameNamesGetsThePicture) {
  ASSERT_EQ(Shell("$S --output expected.png").status, 0);
  const QByteArray expected = Read("expected.png");
  const struct {
    const char* name;
    const char* script;
    const char* check;  // a shell test that must hold afterwards
    const char* picture;
  } rows[] = {
      {"a FIFO with a reader", "mkfifo f.png && (cat f.png > got.png &) && $S --output f.png && sleep 1",
       "test -p f.png", "got.png"},
      {"a character device", "mknod null.png c 1 3 && $S --output null.png", "test -c null.png", nullptr},
      {"a symlink to a regular file",
       "echo old > target.png && ln -s target.png link.png && $S --output link.png", "test -L link.png",
       "target.png"},
      {"a name that is not UTF-8", "$S --output $'a\\xffb.png'", "test -f $'a\\xffb.png'", nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Outcome outcome = Shell(row.script);
    EXPECT_EQ(outcome.status, 0) << outcome.err.toStdString();
    EXPECT_EQ(outcome.out, "0. < Z < 1.708\n");
    EXPECT_EQ(Shell(row.check).status, 0) << row.check;
    if (row.picture != nullptr) {
      EXPECT_EQ(Read(row.picture), expected);
    }
  }
}

// However many threads are asked for or can be started, the picture is the one of one thread.
TEST_F(OutputSafety, AnyThreadCountDrawsThePictureOfOne) {
  ASSERT_EQ(Shell("SURFPLOT_THREADS=1 $S --output one.png").status, 0);
  const struct {
    const char* name;
    const char* script;
    bool limitsMemory;
  } rows[] = {
      {"far too many", "SURFPLOT_THREADS=100000 $S --output t.png", false},
      {"beyond 32 bits", "SURFPLOT_THREADS=4294967296 $S --output t.png", false},
      // Stacks of a gigabyte in three gigabytes: most threads cannot start.
      {"threads that cannot start",
       "ulimit -s 1000000; ulimit -v 3000000; SURFPLOT_THREADS=64 $S --output t.png", true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    if (row.limitsMemory && Sanitized) continue;  // the sanitizer's shadow memory needs more than the limit
    const Outcome outcome = Shell("rm -f t.png; " + QString(row.script));
    EXPECT_EQ(outcome.status, 0) << outcome.err.toStdString();
    EXPECT_EQ(Read("t.png"), Read("one.png"));
  }
}

}  // namespace
