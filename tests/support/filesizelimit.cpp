#include "support/filesizelimit.h"

#include <QElapsedTimer>

#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

ChildResult withFileSizeLimit(rlim_t limit, const std::function<QStringList()> &work)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    const pid_t child = fork();
    if (child < 0)
        return {};
    if (child == 0) {
        close(pipeEnds[0]);
        signal(SIGXFSZ, SIG_IGN);
        const rlimit small{limit, limit};
        if (setrlimit(RLIMIT_FSIZE, &small) != 0)
            _exit(2);
        const QByteArray out = work().join(u'\n').toUtf8();
        qsizetype done = 0;
        while (done < out.size()) {
            const ssize_t n = write(pipeEnds[1], out.constData() + done, size_t(out.size() - done));
            if (n <= 0)
                _exit(3);
            done += n;
        }
        _exit(0);
    }
    close(pipeEnds[1]);
    ChildResult result;
    QByteArray received;
    QElapsedTimer clock;
    clock.start();
    pollfd watch{pipeEnds[0], POLLIN, 0};
    while (clock.elapsed() < 20000) {
        if (poll(&watch, 1, 200) <= 0)
            continue;
        char buffer[4096];
        const ssize_t n = read(pipeEnds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        received.append(buffer, n);
    }
    close(pipeEnds[0]);
    int status = 0;
    pid_t ended = 0;
    while ((ended = waitpid(child, &status, WNOHANG)) == 0 && clock.elapsed() < 20000)
        usleep(1000);
    if (ended != child) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        result.how = "still running after 20 s";
        return result;
    }
    result.finished = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!result.finished) {
        result.how = WIFSIGNALED(status) ? "killed by signal " + QByteArray::number(WTERMSIG(status))
                                         : "exit code " + QByteArray::number(WEXITSTATUS(status));
    }
    result.said = QString::fromUtf8(received);
    return result;
}
