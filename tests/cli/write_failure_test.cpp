// Output that cannot be written fails the command: a full disk or a broken
// stream is reported with exit 1, never as success, and a picture that could
// not be written leaves no file behind.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <ostream>
#include <streambuf>

#include "cli/support/cli_runner.h"
#include "fd_output.h"

namespace tesmark::cli {
namespace {

// A stream that takes nothing, as a full disk does.
class RefusingBuffer : public std::streambuf {
  protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

const std::vector<std::vector<std::string>> kPrintingLines = {
    {"readings"},
    {"readings", "--json"},
    {"readings", "--help"},
    {"set", "--target", "cursor", "--focus", "14", "2"},
    {"tables", "CD"},
    {"tables", "--json"},
    {"help"},
    {"render", "--help"},
};

TEST(WriteFailure, ALostOutputFailsEveryCommand) {
    for (const auto& args : kPrintingLines) {
        RefusingBuffer refusing;
        std::ostream out(&refusing);
        std::ostringstream err;
        EXPECT_EQ(cli::Run(args, out, err), 1) << args[0];
        EXPECT_TRUE(Contains(err.str(), "tesmark-cli: cannot write the output")) << err.str();
    }
}

#ifndef _WIN32  // devices, file size limits and FIFOs as POSIX has them
TEST(WriteFailure, AFullDeviceIsNamedInTheMessage) {
    const int fd = ::open("/dev/full", O_WRONLY);
    if (fd < 0) GTEST_SKIP() << "no /dev/full";
    int code = 0;
    std::ostringstream err;
    {
        FdOutputBuffer buffer(fd);
        std::ostream out(&buffer);
        code = cli::Run({"readings"}, out, err);
    }
    ::close(fd);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(err.str(), "tesmark-cli: cannot write the output: No space left on device\n");
}

TEST(WriteFailure, AFullDeviceAsThePictureFails) {
    if (!QFileInfo::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    const CliResult r = RunCli({"render", "--body", "--out", "/dev/full"});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(Contains(r.err, "cannot write '/dev/full'")) << r.err;
}

// Files may grow to a few bytes only while it lives: a write beyond them
// fails with EFBIG as on a full disk (also for root, whom a read-only folder
// does not stop).
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(WriteFailure, ACutPictureLeavesNoFileAndKeepsTheOldOne) {
    QTemporaryDir dir;
    const QString kept = dir.filePath("kept.png");
    {
        QFile old(kept);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old picture");
    }
    const QString fresh = dir.filePath("new.png");
    CliResult overKept{};
    CliResult asNew{};
    {
        FileSizeLimit limit(512);
        overKept = RunCli({"render", "--body", "--out", kept.toStdString()});
        asNew = RunCli({"render", "--window", "--width", "900", "--out", fresh.toStdString()});
    }
    EXPECT_EQ(overKept.code, 1);
    EXPECT_TRUE(Contains(overKept.err, "cannot write '" + kept.toStdString() + "'"))
        << overKept.err;
    EXPECT_EQ(asNew.code, 1);
    QFile old(kept);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old picture"));
    // Neither the new picture nor a temporary file is left.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{"kept.png"});
}

TEST(WriteFailure, AFifoAsTheProfileIsRefusedWithoutOpeningIt) {
    QTemporaryDir dir;
    const std::string fifo = dir.filePath("profile.fifo").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Opening the FIFO would block here for ever: no writer comes.
    const CliResult r = RunCli({"readings", "--profile", fifo});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(Contains(r.err, "profile file '" + fifo + "' is not a regular file")) << r.err;
}

#endif

}  // namespace
}  // namespace tesmark::cli
