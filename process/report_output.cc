#include "process/report_output.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char* streamName(int s) { return s == 0 ? "standard output" : "standard error"; }

// A descriptor of our own on the same pipe, opened non-blocking and put in
// place of fd. Opening /proc/self/fd/N makes a new open file description, so
// O_NONBLOCK stays ours: the shell and any other process writing to the same
// pipe keep blocking writes. When the pipe cannot be reopened (no reader
// left: ENXIO) fd is left as it was, and the first write finds the reader
// gone.
void reopenNonBlocking(int fd) {
  char path[32];
  std::snprintf(path, sizeof path, "/proc/self/fd/%d", fd);
  const int own = open(path, O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (own < 0) return;
  dup2(own, fd);
  close(own);
}

}  // namespace

ReportOutput::ReportOutput(int outFd, int errFd, Wake wake) : wake_(wake) {
  const int fds[2] = {outFd, errFd};
  struct stat st[2];
  bool known[2];
  for (int s = 0; s < 2; ++s) {
    Target& t = targets_[s];
    t.fd = fds[s];
    t.reader = s;
    known[s] = fstat(t.fd, &st[s]) == 0;
    if (!known[s] || isatty(t.fd)) continue;
    if (S_ISFIFO(st[s].st_mode)) reopenNonBlocking(t.fd);
    if (S_ISSOCK(st[s].st_mode)) t.socket = true;
  }
  // Both streams on one pipe or file (2>&1): one queue keeps their order.
  if (known[0] && known[1] && st[0].st_dev == st[1].st_dev && st[0].st_ino == st[1].st_ino) {
    targets_[1].reader = 0;
  }
}

long ReportOutput::tryWrite(const Target& t, const char* data, std::size_t size) const {
  long n;
  do {
    n = t.socket ? send(t.fd, data, size, MSG_DONTWAIT | MSG_NOSIGNAL) : ::write(t.fd, data, size);
  } while (n < 0 && errno == EINTR);
  if (n < 0 && errno == EWOULDBLOCK) errno = EAGAIN;
  return n;
}

bool ReportOutput::queuedFor(int reader) const {
  for (const Chunk& c : queue_) {
    if (targets_[c.stream].reader == reader) return true;
  }
  return false;
}

void ReportOutput::write(ReportStream stream, const char* data, std::size_t size) {
  const int s = static_cast<int>(stream);
  const Target& t = targets_[s];
  if (t.gone || size == 0) return;
  if (queuedFor(t.reader)) {
    queue_.push_back(Chunk{s, std::string(data, size)});
    return;
  }
  std::size_t done = 0;
  while (done < size) {
    const long n = tryWrite(t, data + done, size - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (n == 0 || errno == EAGAIN) {
      const bool wasWaiting = waiting();
      queue_.push_back(Chunk{s, std::string(data + done, size - done)});
      if (!wasWaiting && wake_ != nullptr) wake_();
      return;
    } else {
      writeFailed(s, errno);
      return;
    }
  }
}

void ReportOutput::writeFailed(int s, int error) {
  Target& t = targets_[s];
  const int other = 1 - s;
  const bool shared = targets_[other].reader == t.reader;
  if (error == EPIPE || error == ECONNRESET) {
    t.gone = true;
    if (shared) targets_[other].gone = true;
    for (auto it = queue_.begin(); it != queue_.end();) {
      it = targets_[it->stream].gone ? queue_.erase(it) : it + 1;
    }
    if (!shared) {
      const std::string note =
          std::string("viewer: the reader of ") + streamName(s) + " has gone; reports to it stop\n";
      write(static_cast<ReportStream>(other), note.data(), note.size());
    }
    return;
  }
  if (!t.warned) {
    t.warned = true;
    const std::string note = std::string("viewer: cannot write reports to ") + streamName(s) +
                             ": " + std::strerror(error) + "\n";
    write(s == 0 ? ReportStream::Err : ReportStream::Out, note.data(), note.size());
  }
}

bool ReportOutput::drain() {
  bool blocked[2] = {false, false};
  for (auto it = queue_.begin(); it != queue_.end();) {
    const Target& t = targets_[it->stream];
    if (t.gone) {
      it = queue_.erase(it);
      continue;
    }
    if (blocked[t.reader]) {
      ++it;
      continue;
    }
    const long n = tryWrite(t, it->text.data(), it->text.size());
    if (n == static_cast<long>(it->text.size())) {
      it = queue_.erase(it);
    } else if (n > 0) {
      it->text.erase(0, static_cast<std::size_t>(n));
      blocked[t.reader] = true;
      ++it;
    } else if (n == 0 || errno == EAGAIN) {
      blocked[t.reader] = true;
      ++it;
    } else {
      // The text is lost; writeFailed() may queue a note, so start over.
      const int s = it->stream;
      const int error = errno;
      queue_.erase(it);
      writeFailed(s, error);
      it = queue_.begin();
    }
  }
  return waiting();
}

void ReportOutput::drainFor(int timeoutMs) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  while (drain()) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) break;
    pollfd fds[2];
    nfds_t count = 0;
    for (int r = 0; r < 2; ++r) {
      if (queuedFor(r)) fds[count++] = pollfd{targets_[r].fd, POLLOUT, 0};
    }
    poll(fds, count, static_cast<int>(left));
  }
  queue_.clear();
}
