#include "batch_run.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <thread>

#include "run_files.h"

extern char** environ;

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace tarvex_host {

namespace {

constexpr int kExitInterrupted = 130;  // 128 + SIGINT, as a shell reports an interrupted command
constexpr auto kPollInterval = std::chrono::milliseconds(20);
constexpr auto kProgressInterval = std::chrono::milliseconds(200);

volatile sig_atomic_t g_stop_signal = 0;

extern "C" void On_Stop_Signal(int signo) { g_stop_signal = signo; }

enum class State { Pending, Running, Done, Failed, Interrupted };  // Pending at the end: not run

struct Job {
    const BatchInput* in = nullptr;
    State state = State::Pending;
    fs::path scratch;
    pid_t pid = 0;
    Clock::time_point started;
    int32_t rc = 0;
    std::string note;  // why a run has no return value
};

std::string Self_Executable() {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : self.string();
}

std::string Clock_Text(Clock::duration d) {
    const long s = long(std::chrono::duration_cast<std::chrono::seconds>(d).count());
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02ld:%02ld", s / 60, s % 60);
    return buf;
}

// The scratch folder of one run, holding its NAMES.DAT. It lies beside the
// output folder where the input's entry climbs out of it ("../"), so that the
// entry, and with it the report's files block, is the one a single run writes;
// an entry that stays inside resolves through a link to the output folder.
bool Prepare_Scratch(Job& job) {
    const BatchInput& in = *job.in;
    const auto outputs = Output_Names(in.input);
    const std::string entry = Path_For_Names(in.input, in.out_dir);
    if (entry.size() > kMaxPath || outputs[0].size() > kMaxPath) {
        job.note = "A path is longer than the engine's 256 characters.";
        return false;
    }
    const fs::path rel(entry);
    const bool climbs = rel.is_relative() && *rel.begin() == "..";
    std::error_code ec;
    fs::create_directories(in.out_dir, ec);
    std::string tmpl = ((climbs ? in.out_dir.parent_path() : in.out_dir) / ".tarvex-run-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) {
        job.note = "Cannot create a scratch folder beside " + in.out_dir.string() + ": " + std::strerror(errno);
        return false;
    }
    job.scratch = tmpl;
    if (rel.is_relative() && !climbs) fs::create_symlink(in.out_dir / *rel.begin(), job.scratch / *rel.begin(), ec);
    if (!Write_Names(job.scratch, entry, outputs)) {
        job.note = "Cannot write NAMES.DAT into " + job.scratch.string() + ".";
        return false;
    }
    return true;
}

void Remove_Scratch(Job& job) {
    std::error_code ec;
    if (!job.scratch.empty()) fs::remove_all(job.scratch, ec);
}

// Starts `tarvex __run-child` for the job, its console output kept in the scratch folder.
bool Launch(Job& job, const std::string& self) {
    job.started = Clock::now();
    if (!Prepare_Scratch(job)) return false;
    const std::string console = (job.scratch / "console.txt").string();
    const std::string scratch = job.scratch.string(), out = job.in->out_dir.string(), input = job.in->input.string();
    const char* argv[] = {self.c_str(), "__run-child", scratch.c_str(), out.c_str(), input.c_str(), nullptr};

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, console.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&files, STDOUT_FILENO, STDERR_FILENO);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    for (int s : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE}) sigaddset(&defaults, s);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    const int err = posix_spawn(&job.pid, self.c_str(), &files, &attr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attr);
    if (err != 0) {
        job.note = std::string("Cannot start the run process: ") + std::strerror(err) + ".";
        Remove_Scratch(job);
        return false;
    }
    job.state = State::Running;
    return true;
}

std::string Last_Line(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::string line, last;
    while (std::getline(in, line))
        if (!line.empty()) last = line;
    return last;
}

// Records how the run process ended and removes its scratch folder.
void Finish(Job& job, int status) {
    std::ifstream rv(job.scratch / "RETURN-VALUE");
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0 && (rv >> job.rc)) {
        job.state = State::Done;
    } else if (g_stop_signal != 0) {
        job.state = State::Interrupted;
        job.note = "Interrupted; no output was written.";
    } else {
        job.state = State::Failed;
        const std::string last = Last_Line(job.scratch / "console.txt");
        if (WIFSIGNALED(status))
            job.note = "The run process ended on signal " + std::to_string(WTERMSIG(status)) + ".";
        else
            job.note = last.empty() ? "The run process failed." : last;
    }
    Remove_Scratch(job);
}

void Show_Progress(const std::vector<Job>& jobs, Clock::time_point start) {
    size_t done = 0;
    const Job* longest = nullptr;
    for (const Job& j : jobs) {
        if (j.state == State::Running) {
            if (!longest || j.started < longest->started) longest = &j;
        } else if (j.state != State::Pending) {
            ++done;
        }
    }
    const auto now = Clock::now();
    std::string line = "tarvex: " + std::to_string(done) + " of " + std::to_string(jobs.size()) + " done, " +
                       Clock_Text(now - start) + " elapsed";
    if (longest) line += ", running longest: " + longest->in->shown + " (" + Clock_Text(now - longest->started) + ")";
    std::cerr << "\r\033[K" << line << std::flush;
}

void Print_Table(const std::vector<Job>& jobs) {
    struct Row {
        std::string file, rc, meaning, deflection, moment;
    };
    std::vector<Row> rows{{"File", "Return value", "Meaning", "Head deflection", "Maximum moment"}};
    size_t normal = 0, errors = 0, unfinished = 0;
    for (const Job& j : jobs) {
        Row r{j.in->shown, "-", j.note, "-", "-"};
        if (j.state == State::Done) {
            r.rc = std::to_string(j.rc);
            r.meaning = Meaning(j.rc);
            const FirstCase fc = Read_First_Case(j.in->out_dir / Output_Names(j.in->input)[1]);
            if (!fc.head_deflection.empty()) r.deflection = fc.head_deflection, r.moment = fc.max_moment;
            ++(j.rc <= 0 ? normal : errors);
        } else if (j.state == State::Failed) {
            ++errors;
        } else {
            if (j.state == State::Pending) r.meaning = "Not run: interrupted.";
            ++unfinished;
        }
        rows.push_back(r);
    }
    size_t w[4] = {0, 0, 0, 0};
    for (const Row& r : rows) {
        w[0] = std::max(w[0], r.file.size());
        w[1] = std::max(w[1], r.rc.size());
        w[2] = std::max(w[2], r.meaning.size());
        w[3] = std::max(w[3], r.deflection.size());
    }
    for (const Row& r : rows) {
        std::string line = r.file + std::string(w[0] - r.file.size() + 2, ' ') + std::string(w[1] - r.rc.size(), ' ') +
                           r.rc + "  " + r.meaning + std::string(w[2] - r.meaning.size() + 2, ' ') + r.deflection +
                           std::string(w[3] - r.deflection.size() + 2, ' ') + r.moment;
        while (!line.empty() && line.back() == ' ') line.pop_back();
        std::cout << line << "\n";
    }
    std::cout << "\n" << jobs.size() << " files: " << normal << " ended normally, " << errors
              << " stopped on an error";
    if (unfinished) std::cout << ", " << unfinished << " interrupted or not run";
    std::cout << ".\n";
}

}  // namespace

// The parent's side: schedule, watch, interrupt, report.
int Run_Batch(const std::vector<BatchInput>& inputs, int max_jobs) {
    const std::string self = Self_Executable();
    std::vector<Job> jobs;
    for (const BatchInput& in : inputs) {
        Job job;
        job.in = &in;
        jobs.push_back(job);
    }

    struct sigaction sa {};
    sa.sa_handler = On_Stop_Signal;
    sigemptyset(&sa.sa_mask);
    struct sigaction old[3];
    const int stop_signals[3] = {SIGINT, SIGTERM, SIGHUP};
    for (int i = 0; i < 3; ++i) sigaction(stop_signals[i], &sa, &old[i]);

    const bool progress = isatty(STDERR_FILENO) == 1;
    const auto start = Clock::now();
    auto last_progress = start - kProgressInterval;
    size_t next = 0;
    int running = 0;
    bool stopping = false;
    for (;;) {
        while (!g_stop_signal && running < max_jobs && next < jobs.size()) {
            Job& job = jobs[next++];
            if (self.empty()) job.note = "Cannot find the tarvex executable.";
            if (!self.empty() && Launch(job, self))
                ++running;
            else
                job.state = State::Failed;
        }
        if (running == 0 && (next == jobs.size() || g_stop_signal)) break;
        if (g_stop_signal && !stopping) {
            stopping = true;
            for (Job& j : jobs)
                if (j.state == State::Running) kill(j.pid, SIGTERM);
        }
        for (Job& j : jobs) {
            int status = 0;
            if (j.state == State::Running && waitpid(j.pid, &status, WNOHANG) == j.pid) {
                Finish(j, status);
                --running;
            }
        }
        if (progress && Clock::now() - last_progress >= kProgressInterval) {
            Show_Progress(jobs, start);
            last_progress = Clock::now();
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    if (progress) std::cerr << "\r\033[K" << std::flush;
    for (int i = 0; i < 3; ++i) sigaction(stop_signals[i], &old[i], nullptr);

    Print_Table(jobs);
    if (g_stop_signal) return kExitInterrupted;
    for (const Job& j : jobs)
        if (j.state != State::Done || j.rc > 0) return kExitError;
    return kExitNormal;
}

}  // namespace tarvex_host
