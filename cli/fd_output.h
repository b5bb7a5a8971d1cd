#pragma once
// A stream buffer over a file descriptor that remembers why a write failed,
// so that tesmark-cli can say "No space left on device" instead of only that
// the output was lost.
#include <array>
#include <streambuf>

namespace tesmark::cli {

class FdOutputBuffer : public std::streambuf {
  public:
    explicit FdOutputBuffer(int fd);
    ~FdOutputBuffer() override;
    FdOutputBuffer(const FdOutputBuffer&) = delete;
    FdOutputBuffer& operator=(const FdOutputBuffer&) = delete;

    // The errno of the first failed write, or 0.
    int failure() const { return failure_; }

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    bool drain();

    int fd_;
    int failure_ = 0;
    std::array<char, 8192> buffer_{};
};

}  // namespace tesmark::cli
