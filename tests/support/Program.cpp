#include "Program.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace {

std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, size_t(got));
    return text;
}

}  // namespace

ProgramResult RunProgram(const ProgramRun& run) {
    // Captured output goes through files, so a program writing much never waits on us.
    char outName[] = "/tmp/program-out-XXXXXX", errName[] = "/tmp/program-err-XXXXXX";
    const int outFile = ::mkstemp(outName), errFile = ::mkstemp(errName);
    ::unlink(outName);
    ::unlink(errName);
    int closed[2] = {-1, -1};
    if (run.closedOutput && ::pipe(closed) == 0) ::close(closed[0]);
    const pid_t child = ::fork();
    if (child == 0) {
        if (!run.folder.empty() && ::chdir(run.folder.c_str()) != 0) ::_exit(126);
        const int in = ::open(run.input.empty() ? "/dev/null" : run.input.c_str(), O_RDONLY);
        const int out = run.closedOutput ? closed[1] : run.output.empty() ? outFile : ::open(run.output.c_str(), O_WRONLY);
        if (in < 0 || out < 0) ::_exit(126);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(run.errorsWithOutput ? 1 : errFile, 2);
        ::signal(SIGPIPE, run.ignoreSigpipe ? SIG_IGN : SIG_DFL);
        std::vector<char*> argv;
        for (const std::string& arg : run.args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    if (closed[1] >= 0) ::close(closed[1]);
    ProgramResult result;
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
    ::lseek(outFile, 0, SEEK_SET);
    ::lseek(errFile, 0, SEEK_SET);
    result.out = ReadAll(outFile);
    result.err = ReadAll(errFile);
    ::close(outFile);
    ::close(errFile);
    return result;
}
