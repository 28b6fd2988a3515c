#pragma once
// A child process with its standard streams on two pipes.
//
// The child is started from an argument vector (argv[0] is the path of the
// executable; no shell, no PATH search). Its standard input is the read end of
// one pipe; its standard output and standard error both go to the write end of
// a second pipe. The child inherits no other descriptor, runs in a process
// group of its own and starts with the niceness the caller asks for.
//
// Reading never blocks: Peek says how many bytes are waiting without taking
// them, ReadByte takes one. Writing blocks until every byte is in the pipe,
// and fails (instead of raising SIGPIPE) once the child has gone.
//
// Threads: Start, Peek, ReadByte and CloseOutput belong to one thread (the
// user-interface thread). Write may run on another thread (the command
// writer); CloseInput may be called while a Write is in progress. HasExited,
// IsRunning, Terminate, ExitCode and Pid may be called from any thread.

#include <sys/types.h>

#include <atomic>
#include <cstddef>
#include <mutex>
#include <string>
#include <vector>

namespace taleno {

// Makes a write to a pipe whose reader has gone fail with EPIPE instead of
// killing the program. Safe to call more than once; ChildProcess::Start calls it.
void IgnoreSigpipe();

class ChildProcess {
public:
    ChildProcess();
    // Kills the child's process group (when still running), reaps the child
    // and closes both pipes. Every Write must have returned by then: stop the
    // thread that writes first (killing the child makes a blocked Write fail).
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts argv[0] with the arguments argv[1..], the program's environment
    // and current folder. The pipes are ready before the child runs; Start
    // returns once the child has replaced itself with the new program, or
    // false when it could not (missing or non-executable file, no resources),
    // in which case nothing is left open and no child is left behind.
    // Refused (false) while a child is running or a pipe of the previous one
    // is still open. `niceness` (-20 to 19) is set in the child before the
    // program runs; when the system refuses it, the child keeps the player's
    // niceness, silently. The child is killed when the calling thread ends
    // (and so when the player ends, however it ends): call it from a thread
    // that lives as long as the child should.
    bool Start(const std::vector<std::string>& argv, int niceness);

    // The number of bytes waiting on the output pipe, at most `max`, copied to
    // `buffer`; the bytes stay waiting for ReadByte. 0 when nothing is waiting,
    // the pipe is closed or the child's output has ended.
    int Peek(char* buffer, int max);

    // Takes one waiting byte (0 to 255) off the output pipe; -1 when none is
    // waiting. Never blocks.
    int ReadByte();

    // Writes all `size` bytes to the child's standard input, blocking while the
    // pipe is full. False when the input pipe is closed, the child has gone
    // (EPIPE), or CloseInput closed it during the write.
    bool Write(const char* data, std::size_t size);

    // True when no child is running: it ended (its status is then kept and the
    // child reaped, so no zombie is left), was terminated, or was never
    // started. Never waits. When the child is found ended, anything it left
    // running in its process group is killed too.
    bool HasExited();
    bool IsRunning() { return !HasExited(); }
    // Waits at most timeoutMs for the child to end, looking every
    // millisecond; true as soon as no child is running.
    bool WaitForExit(int timeoutMs);

    // Kills the child's whole process group with SIGKILL and reaps the child.
    // Nothing happens when no child is running. The pipes stay open: output the
    // child wrote before dying can still be read.
    void Terminate();

    // The child's exit code once it has ended by itself; 128 + the signal
    // number when a signal ended it; -1 while running or never started.
    int ExitCode();

    // Closes the controller's end of the input pipe (a Write in progress is
    // allowed to finish or fail first) or of the output pipe. Harmless when
    // already closed.
    void CloseInput();
    void CloseOutput();

    bool IsInputOpen();
    bool IsOutputOpen() const { return outputFd >= 0; }
    // The output pipe's descriptor, to watch for output (-1 when closed).
    // Bytes Peek took off the pipe are not waiting on it any more.
    int OutputDescriptor() const { return outputFd; }

    // Process id of the current (or last) child, 0 when none was started.
    // It is also the id of the child's process group.
    pid_t Pid() const { return pid.load(); }

private:
    void ReapLocked();  // waits for the child; processMutex held

    // The output pipe, read by one thread only.
    int outputFd = -1;
    std::vector<char> lookAhead;  // bytes taken off the pipe by Peek, not yet read

    // The input pipe: a descriptor is closed only when no Write is using it,
    // so a closed number is never written to after being reused elsewhere.
    std::mutex inputMutex;
    int inputFd = -1;
    int writersInside = 0;
    bool closeRequested = false;

    // The child; `processMutex` orders reaping against killing, so a group is
    // never signalled after its leader was reaped (its id could be reused).
    std::mutex processMutex;
    std::atomic<pid_t> pid{0};
    bool reaped = true;
    int waitStatus = 0;
};

}  // namespace taleno
