#include "OddsBatch.h"

#include "OddsAnalysis.h"
#include "OddsCommand.h"
#include "OddsOptions.h"
#include "OddsReport.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <istream>
#include <mutex>
#include <ostream>
#include <thread>

namespace {

const char kProgramName[] = "quintara-odds";
const char kSpaces[] = " \t\r\n\v\f";
// Far above any real request; keeps one endless line from eating the memory.
const size_t kMaxLineLength = 4096;
const unsigned kMaxJobs = 256;
// Lines in flight per worker: enough to keep every core busy while the
// answers wait for their turn to be written.
const unsigned kSlotsPerJob = 16;
const std::chrono::milliseconds kProgressPeriod(250);

bool Fail(std::string& error, const std::string& message)
{
    error = message;
    return false;
}

std::vector<std::string> SplitWords(const std::string& line)
{
    std::vector<std::string> words;
    for (size_t from = line.find_first_not_of(kSpaces); from != std::string::npos;) {
        const size_t to = line.find_first_of(kSpaces, from);
        words.push_back(line.substr(from, to == std::string::npos ? std::string::npos : to - from));
        from = to == std::string::npos ? to : line.find_first_not_of(kSpaces, to);
    }
    return words;
}

bool IsSkipped(const std::string& line, bool tooLong)
{
    const size_t first = line.find_first_not_of(kSpaces);
    return first == std::string::npos ? !tooLong : line[first] == '#';
}

// What --batch and --jobs ask for. `other` is the first argument that is
// neither, so that a batch run can refuse it; values of the other options are
// stepped over so that a card list never reads as an option.
struct TBatchArguments {
    bool m_bBatch = false;
    bool m_bJobsGiven = false;
    unsigned m_nJobs = 0;
    std::string m_strOther;
};

bool ParseJobs(const std::string& text, unsigned& jobs, std::string& error)
{
    const bool numeric = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!numeric)
        return Fail(error, "number of jobs " + QuoteArgument(text) + " is not a number (1 to " + std::to_string(kMaxJobs) + ")");
    const size_t firstNonZero = text.find_first_not_of('0');
    const std::string digits = firstNonZero == std::string::npos ? "0" : text.substr(firstNonZero);
    jobs = digits.size() > 4 ? kMaxJobs + 1 : static_cast<unsigned>(std::stoul(digits));
    if (jobs < 1 || jobs > kMaxJobs)
        return Fail(error, "number of jobs " + QuoteArgument(text) + " is out of range (1 to " + std::to_string(kMaxJobs) + ")");
    return true;
}

bool ParseBatchArguments(const std::vector<std::string>& args, TBatchArguments& batch, std::string& error)
{
    batch = TBatchArguments();
    std::string jobsText;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const size_t equals = arg.rfind("--", 0) == 0 ? arg.find('=') : std::string::npos;
        const std::string name = arg.substr(0, equals);
        if (name == "--batch") {
            if (equals != std::string::npos)
                return Fail(error, "option --batch takes no value, got " + QuoteArgument(arg));
            if (batch.m_bBatch)
                return Fail(error, "option --batch is given twice");
            batch.m_bBatch = true;
        } else if (name == "--jobs") {
            if (batch.m_bJobsGiven)
                return Fail(error, "option --jobs is given twice");
            batch.m_bJobsGiven = true;
            if (equals != std::string::npos)
                jobsText = arg.substr(equals + 1);
            else if (i + 1 < args.size())
                jobsText = args[++i];
            else
                return Fail(error, "option --jobs needs a value");
        } else {
            if (batch.m_strOther.empty())
                batch.m_strOther = arg;
            if (arg == "--")
                break;
            if (equals == std::string::npos && (name == "--opponents" || name == "--discard" || name == "--draw" ||
                                                name == "--drew" || name == "--trials" || name == "--seed"))
                ++i;
        }
    }
    if (batch.m_bJobsGiven && !batch.m_bBatch)
        return Fail(error, "--jobs " + QuoteArgument(jobsText) + " needs --batch");
    return !batch.m_bJobsGiven || ParseJobs(jobsText, batch.m_nJobs, error);
}

// Reads one line, keeping at most kMaxLineLength bytes of it; false at the end
// of the input or on a read error.
bool ReadLine(std::istream& in, std::string& line, bool& tooLong)
{
    line.clear();
    tooLong = false;
    bool any = false;
    for (char ch; in.get(ch);) {
        if (ch == '\n')
            return true;
        any = true;
        if (line.size() < kMaxLineLength)
            line += ch;
        else
            tooLong = true;
    }
    return any;
}

std::string ErrorObject(unsigned long lineNumber, const std::string& error)
{
    return "{\"line\": " + std::to_string(lineNumber) + ", \"error\": " + JsonString(error) + "}\n";
}

// Reads, answers on `jobs` threads and writes in input order, with a bounded
// ring of lines in flight: the reader waits for the writer once the ring is
// full, so memory stays flat whatever the length of the input.
class CBatchRun {
public:
    CBatchRun(unsigned jobs, std::ostream& out, std::ostream& err, bool progress)
        : m_nJobs(jobs), m_out(out), m_err(err), m_bProgress(progress), m_arrSlots(std::max(64u, jobs * kSlotsPerJob))
    {
    }

    int Run(std::istream& in);

private:
    struct TSlot {
        std::string m_strLine;
        unsigned long m_nLine = 0;
        bool m_bTooLong = false;
        std::string m_strAnswer;
        bool m_bBad = false;
        bool m_bDone = false;
    };

    void Work();
    void Write();
    void ShowProgress(unsigned long written, bool last);
    bool NextReady() const
    {
        return m_nWritten < m_nRead && m_arrSlots[m_nWritten % m_arrSlots.size()].m_bDone;
    }
    bool AllWritten() const { return m_bEnd && m_nWritten == m_nRead; }

    const unsigned m_nJobs;
    std::ostream& m_out;
    std::ostream& m_err;
    const bool m_bProgress;
    std::vector<TSlot> m_arrSlots;
    std::mutex m_mutex;
    std::condition_variable m_cvRead, m_cvWork, m_cvWrite;
    unsigned long m_nRead = 0, m_nTaken = 0, m_nWritten = 0;  // lines numbered in flight order
    bool m_bEnd = false;          // the reader has seen the end of the input
    bool m_bStop = false;         // the output failed: everyone leaves
    bool m_bAnyBad = false;
    bool m_bWriteFailed = false;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now(), m_lastProgress = m_start;
};

int CBatchRun::Run(std::istream& in)
{
    // std::cin flushes std::cout before each read; here that would be this
    // thread touching the writer's stream.
    std::ostream* const tied = in.tie(nullptr);
    std::vector<std::thread> workers;
    for (unsigned j = 0; j < m_nJobs; ++j)
        workers.emplace_back(&CBatchRun::Work, this);
    std::thread writer(&CBatchRun::Write, this);

    unsigned long lineNumber = 0;
    std::string line;
    bool tooLong = false;
    while (ReadLine(in, line, tooLong)) {
        ++lineNumber;
        if (IsSkipped(line, tooLong))
            continue;
        std::unique_lock<std::mutex> lock(m_mutex);
        m_cvRead.wait(lock, [this] { return m_bStop || m_nRead < m_nWritten + m_arrSlots.size(); });
        if (m_bStop)
            break;
        TSlot& slot = m_arrSlots[m_nRead % m_arrSlots.size()];
        slot.m_strLine.swap(line);
        slot.m_nLine = lineNumber;
        slot.m_bTooLong = tooLong;
        ++m_nRead;
        m_cvWork.notify_one();
    }
    // The lines read before a read error are still answered.
    const bool readFailed = in.bad();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bEnd = true;
    }
    m_cvWork.notify_all();
    m_cvWrite.notify_all();
    for (std::thread& worker : workers)
        worker.join();
    writer.join();
    in.tie(tied);

    if (m_bWriteFailed || readFailed) {
        m_err << kProgramName << (m_bWriteFailed ? ": cannot write the output\n" : ": cannot read the input\n");
        m_err.flush();
        return 1;
    }
    return m_bAnyBad ? 2 : 0;
}

void CBatchRun::Work()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_cvWork.wait(lock, [this] { return m_bStop || m_bEnd || m_nTaken < m_nRead; });
        if (m_bStop || m_nTaken == m_nRead)
            return;
        TSlot& slot = m_arrSlots[m_nTaken++ % m_arrSlots.size()];
        std::string line;
        line.swap(slot.m_strLine);
        const unsigned long lineNumber = slot.m_nLine;
        const bool tooLong = slot.m_bTooLong;
        lock.unlock();

        bool bad = true;
        std::string answer = tooLong ? ErrorObject(lineNumber, "line is longer than " + std::to_string(kMaxLineLength) + " bytes")
                                     : AnswerBatchLine(line, lineNumber, bad);

        lock.lock();
        slot.m_strAnswer.swap(answer);
        slot.m_bBad = bad;
        slot.m_bDone = true;
        m_cvWrite.notify_one();
    }
}

void CBatchRun::Write()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        if (!NextReady() && !AllWritten() && !m_bStop) {
            // Idle: what is written so far reaches the reader now, not when a
            // buffer fills, so a pipe can be fed one request at a time.
            const unsigned long written = m_nWritten;
            lock.unlock();
            m_out.flush();
            ShowProgress(written, false);
            lock.lock();
            if (!m_out) {
                m_bWriteFailed = m_bStop = true;
                break;
            }
            m_cvWrite.wait_for(lock, kProgressPeriod, [this] { return m_bStop || NextReady() || AllWritten(); });
            continue;
        }
        if (m_bStop || !NextReady())
            break;
        TSlot& slot = m_arrSlots[m_nWritten % m_arrSlots.size()];
        std::string answer;
        answer.swap(slot.m_strAnswer);
        m_bAnyBad |= slot.m_bBad;
        slot.m_bDone = false;
        lock.unlock();
        m_out.write(answer.data(), static_cast<std::streamsize>(answer.size()));
        lock.lock();
        ++m_nWritten;
        if (!m_out) {
            m_bWriteFailed = m_bStop = true;
            break;
        }
        m_cvRead.notify_one();
        if (m_bProgress) {
            const unsigned long written = m_nWritten;
            lock.unlock();
            ShowProgress(written, false);
            lock.lock();
        }
    }
    const bool failed = m_bWriteFailed;
    const unsigned long written = m_nWritten;
    lock.unlock();
    if (failed) {
        m_cvRead.notify_all();
        m_cvWork.notify_all();
    } else {
        m_out.flush();
        if (!m_out) {
            std::lock_guard<std::mutex> guard(m_mutex);
            m_bWriteFailed = true;
        }
    }
    ShowProgress(written, true);
}

// Called by the writer only.
void CBatchRun::ShowProgress(unsigned long written, bool last)
{
    if (!m_bProgress)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (!last && now - m_lastProgress < kProgressPeriod)
        return;
    m_lastProgress = now;
    const double seconds = std::chrono::duration<double>(now - m_start).count();
    char text[96];
    // Padded so that a shorter figure wipes out a longer one.
    std::snprintf(text, sizeof text, "\r%lu lines done, %.0f lines/s    ", written,
                  seconds > 0.0 ? written / seconds : 0.0);
    m_err << text << (last ? "\n" : "");
    m_err.flush();
}

} // namespace

std::string AnswerBatchLine(const std::string& line, unsigned long lineNumber, bool& bad)
{
    bad = false;
    const std::vector<std::string> words = SplitWords(line);
    if (words.empty() || words.front()[0] == '#')
        return std::string();

    std::string error;
    TBatchArguments batch;
    TOddsOptions options;
    if (!ParseBatchArguments(words, batch, error)) {
    } else if (batch.m_bBatch) {
        error = "--batch cannot be given on a batch line";
    } else if (!ParseOddsOptions(words, options, error)) {
    } else if (options.m_nAction != TOddsOptions::acAnalyse) {
        error = std::string(options.m_nAction == TOddsOptions::acHelp ? "--help" : "--version") +
                " cannot be given on a batch line";
    }
    if (!error.empty()) {
        bad = true;
        return ErrorObject(lineNumber, error);
    }
    // The lines already keep every core busy; a seed gives the same figures
    // on any number of threads.
    options.m_nThreads = 1;
    // The object --json prints, numbered first.
    const TOddsAnalysis analysis = AnalyseOdds(options);
    if (!analysis.m_strError.empty()) {
        bad = true;
        return ErrorObject(lineNumber, analysis.m_strError);
    }
    const std::string json = FormatOddsJson(analysis);
    return "{\"line\": " + std::to_string(lineNumber) + ", " + json.substr(1);
}

int RunOddsProgram(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                   bool progress)
{
    const std::vector<std::string> options(args.empty() ? args.begin() : args.begin() + 1, args.end());
    TBatchArguments batch;
    std::string error;
    if (ParseBatchArguments(options, batch, error) && !batch.m_bBatch)
        return RunOddsCommand(args, out, err);
    if (error.empty() && !batch.m_strOther.empty())
        error = "--batch reads its requests from standard input and takes no other argument, got " +
                QuoteArgument(batch.m_strOther);
    if (!error.empty()) {
        err << kProgramName << ": " << error << '\n';
        err.flush();
        return 2;
    }
    unsigned jobs = batch.m_nJobs;
    if (jobs == 0)
        jobs = std::max(1u, std::min(kMaxJobs, std::thread::hardware_concurrency()));
    return CBatchRun(jobs, out, err, progress).Run(in);
}
