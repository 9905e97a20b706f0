// The real program run from a shell, without a display: every exit status with the
// message that explains it, a picture that cannot be made or written never reported
// as made, a file that is not a regular one written into and not replaced, any thread
// count drawing the picture of one thread, and nothing ending in an abort.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QProcess>
#include <QTemporaryDir>

#include "testkit/Sanitized.h"

namespace {

struct Outcome {
  int status = -1;
  QByteArray out, err;
};

// Runs a bash script in a fresh folder, with $S the program and $F the given folder,
// as a user's shell would.
Outcome Shell(const QString& script, const QString& reference = {}) {
  QTemporaryDir folder;
  QProcess shell;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
  environment.insert("S", SURFPLOT_PROGRAM);
  environment.insert("F", reference);
  shell.setProcessEnvironment(environment);
  shell.setWorkingDirectory(folder.path());
  shell.start("bash", {"-c", script});
  shell.waitForFinished(120000);
  return {shell.exitStatus() == QProcess::NormalExit ? shell.exitCode() : -1, shell.readAllStandardOutput(),
          shell.readAllStandardError()};
}

// The one table of the program's statuses and messages; a failure writes nothing.
TEST(CommandLine, ExitStatusesSayWhatHappened) {
  const struct {
    const char* name;
    const char* command;
    int status;
    QByteArray out, err;
  } rows[] = {
      {"defaults", "--output a.png", 0, "0. < Z < 1.708\n", ""},
      {"a comma and the = form", "--output=b.png --x-min -1,5 --x-max=2", 0, "0. < Z < 1.706\n", ""},
      {"the version", "--version", 0, "surfplot " SURFPLOT_VERSION "\n", ""},
      {"unknown option, as typed", "--output c.png --colour red", 1, "", "unknown option '--colour'"},
      {"missing value", "--output", 1, "", "missing value after '--output'"},
      {"a size without --output", "--size 100", 1, "", "--output FILE"},
      {"size out of range", "--output d.png --size 15", 1, "", "--size takes a whole number from 16"},
      {"a size with letters after it", "--output d.png --size 100px", 1, "", "--size takes a whole number"},
      {"unknown mode", "--output d.png --mode rainbow", 1, "", "--mode takes grid, lines"},
      {"a scale beyond the control's", "--output d.png --scale -50001", 1, "",
       "--scale takes a whole number from -50000 to 50000, not '-50001'"},
      {"wrong value", "--output e.png --resolution 1e3", 2, "", "surfplot: Wrong value\n"},
      {"no display for the window", "", 6, "", "surfplot: cannot open a display"},
      {"parse error", "--output f.png --formula '(X'", 3, "", "Parse Error\n"},
      {"unwritable folder", "--output no/such/folder.png", 4, "", "cannot write"},
      {"unknown extension", "--output g.jpg", 4, "", "neither .png nor .svg"},
      {"one frame", "--output t.webp --frames 1", 2, "", "--frames takes a whole number from 2 to 720"},
      {"no frames a second", "--output t.webp --frames 2 --fps 0", 2, "", "--fps takes a whole number"},
      {"a turn that is no number", "--output t.webp --frames 2 --turn nan", 2, "", "--turn takes"},
      {"turned too far", "--output t.webp --frames 2 --theta 32000 --turn 2000", 2, "", "the view beyond"},
      {"two number fields", "--output f%d-%d.png --frames 2", 2, "", "holds 2 number fields"},
      {"frames into a single picture's name", "--output t.png --frames 2", 2, "", "--frames writes a .webp"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const Outcome outcome = Shell("$S " + QString(row.command) +
                                  (row.status ? R"sh(; s=$?; test -z "$(ls -A)" || s=99; exit $s)sh" : ""));
    EXPECT_EQ(std::tuple(outcome.status, outcome.out), std::tuple(row.status, row.out))
        << "99: a file was written";
    EXPECT_TRUE(outcome.err.contains(row.err)) << outcome.err.toStdString();
  }
}

constexpr const char* OutOfMemory = "surfplot: Run-time error '7':\n\nOut of memory\n";
constexpr const char* Untouched =
    "cmp old.png $F/old.png && cmp old.svg $F/old.svg && test $(ls -A | wc -l) = 2";

TEST(CommandLine, EachWayOfWritingEndsAsTheUserExpects) {
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
    const char* out = "0. < Z < 1.708\n";  // when drawn
  } rows[] = {
      // Two threads keep the program's own memory the same on any machine.
      {"no memory for the cell table",
       "ulimit -v 400000; SURFPLOT_THREADS=2 $S --output old.png --resolution 1990", Untouched, 5,
       OutOfMemory, true},
      {"no memory for the image on standard output",
       "ulimit -v 300000; SURFPLOT_THREADS=2 $S --output - --size 8192", Untouched, 5, OutOfMemory, true},
      {"a minus: the PNG to standard output, the range to standard error", "$S --output - > s.png",
       "cmp s.png old.png", 0, "surfplot: 0. < Z < 1.708\n", false, ""},
      {"a full device", "$S --output - > /dev/full", Untouched, 4,
       "surfplot: cannot write standard output: No space left on device\n"},
      {"a reader that goes away",
       "$S --output - --size 3000 | head -c 10 > /dev/null; (exit ${PIPESTATUS[0]})", Untouched, 4,
       "surfplot: cannot write standard output: Broken pipe\n"},
      {"a minus with standard output closed", "$S --output - >&-", Untouched, 4,
       "surfplot: cannot write standard output: it is closed\n"},
      {"a file with standard output closed", "$S --output t.png >&-", "cmp t.png old.png", 0, "", false, ""},
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
    EXPECT_EQ(outcome.out, row.status == 0 ? row.out : "");
  }
}

// Pictures stay exactly as they have always been drawn: one SVG document per colour mode,
// with the values and at twice the size in some, each known by its digest. A change of
// any of them has to be meant, and its digest written here anew.
TEST(CommandLine, DrawsTheReferencePicturesUnchanged) {
  const std::pair<const char*, const char*> rows[] = {
      {"", "12d5912a71671a7d"},
      {"--mode lines --values --size 652 --theta 30 --phi 60", "865997b190be5f17"},
      {"--mode colors --values --formula 'X * Y * 1000' --x-min -3 --x-max 7", "2a49b27070352df4"},
      {"--mode rnd-colors --resolution 40 --scale 150 --theta 200 --phi -40", "ab94dca011376d55"},
  };
  for (const auto& [options, digest] : rows) {
    const Outcome outcome = Shell(QString("$S --output a.svg %1 > /dev/null && cat a.svg").arg(options));
    EXPECT_EQ(QCryptographicHash::hash(outcome.out, QCryptographicHash::Sha1).toHex().left(16).toStdString(),
              digest)
        << options;
  }
}

}  // namespace
