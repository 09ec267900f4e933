// A stand-in encoder for the runner's tests. Each argument is one step,
// carried out in order:
//   out:TEXT        write TEXT to standard output (\n \r \b \t \\ and \xHH decoded)
//   err:TEXT        write TEXT to standard error
//   sleep:MS        sleep MS milliseconds
//   drained         wait (at most 10 s) until the reader has taken everything
//                   written so far, so the next write arrives as a chunk of its own
//   pid             write "pid=<own pid>\n"
//   spawn           start a grandchild that sleeps for a minute and write
//                   "grandchild=<its pid>\n"
//   stream:MS:N     write N status lines "size= 10kB time=<i>.00 bitrate= 1.0kbits/s\r",
//                   one every MS milliseconds (0: as fast as possible)
//   flood:BYTES     write BYTES bytes of 'x' in one go
//   stdin           read standard input to its end and write "stdin=<bytes read>\n"
//   args            write every argument after this one, one per line, and stop
//   exit:CODE       exit with CODE
//   signal:SIG      kill itself with signal number SIG
// Without an exit step it exits with status 0.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

void WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = write(fd, text.data() + done, text.size() - done);
        if (written <= 0)
            std::_Exit(3);
        done += static_cast<std::size_t>(written);
    }
}

std::string Decode(const char* text) {
    std::string out;
    for (const char* p = text; *p; ++p) {
        if (*p != '\\' || !p[1]) {
            out += *p;
            continue;
        }
        ++p;
        switch (*p) {
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 'b':
            out += '\b';
            break;
        case 't':
            out += '\t';
            break;
        case 'x':
            if (p[1] && p[2]) {
                const char hex[3] = {p[1], p[2], 0};
                out += static_cast<char>(std::strtol(hex, nullptr, 16));
                p += 2;
            }
            break;
        default:
            out += *p;
            break;
        }
    }
    return out;
}

void SleepMs(long ms) {
    if (ms > 0)
        usleep(static_cast<useconds_t>(ms) * 1000);
}

bool Starts(const char* text, const char* prefix) {
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const char* step = argv[i];
        if (Starts(step, "out:")) {
            WriteAll(1, Decode(step + 4));
        } else if (Starts(step, "err:")) {
            WriteAll(2, Decode(step + 4));
        } else if (Starts(step, "sleep:")) {
            SleepMs(std::atol(step + 6));
        } else if (std::strcmp(step, "drained") == 0) {
            int waiting = 0;
            for (int n = 0; n < 2000 && ioctl(1, FIONREAD, &waiting) == 0 && waiting > 0; ++n)
                SleepMs(5);
        } else if (std::strcmp(step, "pid") == 0) {
            WriteAll(1, "pid=" + std::to_string(getpid()) + "\n");
        } else if (std::strcmp(step, "spawn") == 0) {
            const pid_t child = fork();
            if (child == 0) {
                for (int n = 0; n < 600; ++n)
                    SleepMs(100);
                std::_Exit(0);
            }
            WriteAll(1, "grandchild=" + std::to_string(child) + "\n");
        } else if (Starts(step, "stream:")) {
            char* rest = nullptr;
            const long interval = std::strtol(step + 7, &rest, 10);
            const long count = (rest && *rest == ':') ? std::atol(rest + 1) : 0;
            for (long n = 0; n < count; ++n) {
                WriteAll(1, "size= 10kB time=" + std::to_string(n) + ".00 bitrate= 1.0kbits/s\r");
                SleepMs(interval);
            }
        } else if (Starts(step, "flood:")) {
            WriteAll(1, std::string(static_cast<std::size_t>(std::atol(step + 6)), 'x'));
        } else if (std::strcmp(step, "stdin") == 0) {
            char buffer[256];
            long total = 0;
            ssize_t count;
            while ((count = read(0, buffer, sizeof buffer)) > 0)
                total += count;
            WriteAll(1, "stdin=" + std::to_string(total) + "\n");
        } else if (std::strcmp(step, "args") == 0) {
            for (int j = i + 1; j < argc; ++j)
                WriteAll(1, std::string(argv[j]) + "\n");
            return 0;
        } else if (Starts(step, "exit:")) {
            return std::atoi(step + 5);
        } else if (Starts(step, "signal:")) {
            std::signal(std::atoi(step + 7), SIG_DFL);
            raise(std::atoi(step + 7));
        } else {
            WriteAll(2, std::string("fake_encoder: unknown step ") + step + "\n");
            return 2;
        }
    }
    return 0;
}
