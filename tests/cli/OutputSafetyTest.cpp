// Through the real program: a picture that cannot be made or written is never
// reported as made, a file that is not a regular one is written into, not replaced,
// any thread count draws the picture of one thread, and nothing ends in an abort.
#include <gtest/gtest.h>

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
  QByteArray out, err;
};

// Runs a bash script in a fresh folder, with $S the program and $F the given one, as a
// user's shell would.
Outcome Shell(const QString& script, const QString& reference) {
  QTemporaryDir folder;
  QProcess shell;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove("DISPLAY");
  environment.remove("QT_QPA_PLATFORM");
  environment.insert("S", SURFPLOT_PROGRAM);
  environment.insert("F", reference);
  shell.setProcessEnvironment(environment);
  shell.setWorkingDirectory(folder.path());
  shell.start("bash", {"-c", script});
  shell.waitForFinished(120000);
  return {shell.exitStatus() == QProcess::NormalExit ? shell.exitCode() : -1, shell.readAllStandardOutput(),
          shell.readAllStandardError()};
}

constexpr const char* OutOfMemory = "surfplot: Run-time error '7':\n\nOut of memory\n";
constexpr const char* Untouched =
    "cmp old.png $F/old.png && cmp old.svg $F/old.svg && test $(ls -A | wc -l) = 2";

TEST(OutputSafety, EachWayOfWritingEndsAsTheUserExpects) {
  // Every row starts from a good old.png (drawn by one thread) and old.svg.
  QTemporaryDir reference;
  ASSERT_EQ(Shell("cd $F && SURFPLOT_THREADS=1 $S --output old.png && $S --output old.svg", reference.path())
                .status,
            0);
  const struct {
    const char* name;
    const char* script;
    const char* check;  // a shell test that must hold afterwards
    int status = 0;
    const char* err = "";
    bool limitsMemory = false;
  } rows[] = {
      // Two threads keep the program's own memory the same on any machine.
      {"no memory for the cell table",
       "ulimit -v 400000; SURFPLOT_THREADS=2 $S --output old.png --resolution 1990", Untouched, 5,
       OutOfMemory, true},
      {"no memory for the image", "ulimit -v 300000; SURFPLOT_THREADS=2 $S --output old.png --size 8192",
       Untouched, 5, OutOfMemory, true},
      {"no memory for the image on standard output",
       "ulimit -v 300000; SURFPLOT_THREADS=2 $S --output - --size 8192", Untouched, 5, OutOfMemory, true},
      {"no memory for an SVG's table",
       "ulimit -v 400000; SURFPLOT_THREADS=2 $S --output old.svg --resolution 1990 --mode lines", Untouched,
       5, OutOfMemory, true},
      {"a full device", "$S --output - > /dev/full", Untouched, 4,
       "surfplot: cannot write standard output: No space left on device\n"},
      {"a reader that goes away",
       "$S --output - --size 3000 | head -c 10 > /dev/null; (exit ${PIPESTATUS[0]})", Untouched, 4,
       "surfplot: cannot write standard output: Broken pipe\n"},
      {"a FIFO with a reader", "mkfifo f.png && (cat f.png > got.png &) && $S --output f.png && sleep 1",
       "test -p f.png && cmp got.png old.png"},
      {"a character device", "mknod null.png c 1 3 && $S --output null.png", "test -c null.png"},
      {"a symlink to a regular file",
       "echo old > target.png && ln -s target.png link.png && $S --output link.png",
       "test -L link.png && cmp target.png old.png"},
      {"a name that is not UTF-8", "$S --output $'a\\xffb.png'", "cmp $'a\\xffb.png' old.png"},
      // Stacks of a gigabyte in three gigabytes: most threads cannot start.
      {"threads that cannot start",
       "ulimit -s 1000000; ulimit -v 3000000; SURFPLOT_THREADS=64 $S --output t.png", "cmp t.png old.png", 0,
       "", true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    if (row.limitsMemory && Sanitized) continue;  // the sanitizer's shadow memory needs more than the limit
    const Outcome outcome =
        Shell(QString("cp $F/old.* . && ") + row.script + "; s=$?; " + row.check + " || s=99; exit $s",
              reference.path());
    EXPECT_EQ(outcome.status, row.status) << "99: " << row.check;
    EXPECT_EQ(outcome.err, row.err);
    EXPECT_EQ(outcome.out, row.status == 0 ? "0. < Z < 1.708\n" : "");
  }
}

}  // namespace
