// A stand-in encoder for the runner's tests. Each argument is one step,
// carried out in order:
//   out:TEXT        write TEXT to standard output (\n \r \b \t \\ and \xHH decoded)
//   bytewise:TEXT   the same, one byte per write, each taken by the reader
//                   before the next (so every byte arrives as a read of its own)
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
//   output          write a few bytes to the file named by the last argument
// Without an exit step it exits with status 0.
//
// Started with encoder options instead (a first argument beginning with
// '-', as the conversion engine starts Rendix), it takes its steps from
// the environment variable FAKE_ENCODER_STEPS, one step per line.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/ioctl.h>
#include <unistd.h>
#include <vector>

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

void WaitDrained() {
    int waiting = 0;
    for (int n = 0; n < 2000 && ioctl(1, FIONREAD, &waiting) == 0 && waiting > 0; ++n)
        usleep(n < 20 ? 200 : 5000);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> steps;
    if (argc > 1 && argv[1][0] == '-') {
        const char* fromEnvironment = std::getenv("FAKE_ENCODER_STEPS");
        std::string text = fromEnvironment ? fromEnvironment : "";
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos)
                end = text.size();
            if (end > start)
                steps.push_back(text.substr(start, end - start));
            start = end + 1;
        }
    } else {
        for (int i = 1; i < argc; ++i)
            steps.emplace_back(argv[i]);
    }
    const std::string lastArgument = argc > 1 ? argv[argc - 1] : "";

    for (std::size_t i = 0; i < steps.size(); ++i) {
        const char* step = steps[i].c_str();
        if (Starts(step, "out:")) {
            WriteAll(1, Decode(step + 4));
        } else if (Starts(step, "err:")) {
            WriteAll(2, Decode(step + 4));
        } else if (Starts(step, "sleep:")) {
            SleepMs(std::atol(step + 6));
        } else if (Starts(step, "bytewise:")) {
            for (const char c : Decode(step + 9)) {
                WriteAll(1, std::string(1, c));
                WaitDrained();
            }
        } else if (std::strcmp(step, "drained") == 0) {
            WaitDrained();
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
            for (std::size_t j = i + 1; j < steps.size(); ++j)
                WriteAll(1, steps[j] + "\n");
            return 0;
        } else if (std::strcmp(step, "output") == 0) {
            FILE* output = std::fopen(lastArgument.c_str(), "wb");
            if (!output || std::fputs("encoded", output) < 0 || std::fclose(output) != 0)
                return 4;
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
