// Text output channels.
#include "output/channel.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tarvex {
namespace {

// Closed lines held before they are written to an owned file.
constexpr size_t kPendingLimit = size_t(1) << 17;

// Writes the pending lines to the owned file; an error of the file system drops them.
void Write_Pending(Channel& ch) {
    const char* p = ch.pending.data();
    size_t left = ch.pending.size();
    while (left > 0) {
        const ssize_t n = ::write(ch.fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        p += n;
        left -= size_t(n);
        ch.written += n;
    }
    ch.pending.clear();
}

// Removes the file at path if it is a plain file of one name, so that the run
// writes a new file instead of emptying the old one: emptying a file with
// data makes the file system write the new data out at once on close, and the
// next run's emptying waits for that. A symbolic link, a file of several names
// or one that cannot be removed is emptied in place as before.
void Remove_Plain_File(const char* path) {
    struct stat st;
    if (lstat(path, &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1 && st.st_size > 0) ::unlink(path);
}

}  // namespace

void Put(Channel& ch, std::string_view text) {
    ch.line.append(text);
    ch.open = true;
}

void End(Channel& ch) {
    ch.line.push_back('\n');
    if (ch.fd >= 0) {
        ch.pending.append(ch.line);
        if (ch.pending.size() >= kPendingLimit) Write_Pending(ch);
    } else if (ch.f) {
        std::fwrite(ch.line.data(), 1, ch.line.size(), ch.f);
    }
    ch.line.clear();
    ch.open = false;
}

void Put_Line(Channel& ch, std::string_view text) {
    Put(ch, text);
    End(ch);
}

void Blank_Lines(Channel& ch, int n) {
    for (int i = 0; i < n; ++i) End(ch);
}

bool Open_Channel(Channel& ch, const char* path) {
    Close_Channel(ch);
    Remove_Plain_File(path);
    ch.fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return ch.fd >= 0;
}

void Attach_Channel(Channel& ch, std::FILE* f) {
    Close_Channel(ch);
    ch.f = f;
}

bool Has_Destination(const Channel& ch) { return ch.fd >= 0 || ch.f != nullptr; }

void Flush_Channel(Channel& ch) {
    if (ch.fd >= 0 && !ch.pending.empty()) Write_Pending(ch);
}

void Rewind_Channel(Channel& ch) {
    ch.line.clear();
    ch.open = false;
    if (ch.fd < 0) return;
    ch.pending.clear();
    if (ch.written == 0) return;  // nothing reached the file yet
    if (ftruncate(ch.fd, 0) != 0) return;
    ::lseek(ch.fd, 0, SEEK_SET);
    ch.written = 0;
}

void Close_Channel(Channel& ch) {
    if (ch.open) End(ch);
    if (ch.fd >= 0) {
        Write_Pending(ch);
        ::close(ch.fd);
    } else if (ch.f) {
        std::fflush(ch.f);
    }
    ch = Channel{};
}

}  // namespace tarvex
