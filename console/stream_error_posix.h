// What a failed read or write of a standard stream means on POSIX systems.
#ifndef CONSOLE_STREAM_ERROR_POSIX_H_
#define CONSOLE_STREAM_ERROR_POSIX_H_

/// Decides what to do after a read or write of descriptor |fd| failed with |error| (errno);
/// |events| is POLLIN for a read, POLLOUT for a write.
///
/// Returns true when the same call is worth making again: it was interrupted by a signal, or
/// the descriptor is non-blocking and not ready yet, in which case this has waited until it
/// is. A stream that can never be used again ends the program at once, quietly, writing
/// nothing more: EPIPE (nobody will ever read the output, also with SIGPIPE blocked) ends it
/// as a broken pipe does, by SIGPIPE; EIO on anything but a file or disk (a terminal that has
/// hung up, or that is no longer this program's) ends it as a hang-up does, by SIGHUP.
/// Returns false for every other failure, which the caller takes as ended input or as output
/// that is dropped.
bool RetryAfterStreamError(int fd, int error, short events);

#endif  // CONSOLE_STREAM_ERROR_POSIX_H_
