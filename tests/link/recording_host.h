#pragma once

#include "golden.h"
#include "link/clone_session.h"
#include "link/link_host.h"
#include "sim/radio_port.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace tolvan::testing {

// A host that records what the exchange asks of it and never sleeps.
struct RecordingHost : LinkHost {
    struct Question {
        std::string message;
        Buttons buttons;
        std::string detail;
    };

    void pause(int ms) override
    {
        ++pauses[ms];
        note("pause " + std::to_string(ms));
    }
    bool pump() override
    {
        ++pumps;
        return cancelAtPump > 0 && pumps >= cancelAtPump;
    }
    Answer ask(const std::string& message, Buttons buttons) override { return askWithDetail(message, {}, buttons); }
    Answer askWithDetail(const std::string& message, const std::string& detail, Buttons buttons) override
    {
        questions.push_back({message, buttons, detail});
        note(askLine(questions.back()));
        busyWhenAsked.push_back(busy);
        if (!answers.empty()) {
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
    void progressRange(int maximum) override { range = maximum; }
    void progress(int position) override { positions.push_back(position); }
    void status(const std::string& text) override { statuses.push_back(text); }
    void setBusy(bool b) override { busy = b; }

    // A question as a snapshot shows it: the buttons, the message, its detail.
    static std::string askLine(const Question& q)
    {
        static const char* const kButtons[] = {"Ok", "OkCancel", "RetryCancel"};
        return "ask " + std::string(kButtons[static_cast<int>(q.buttons)]) + ": " + q.message
               + (q.detail.empty() ? "" : " | " + q.detail);
    }

    void note(std::string line)
    {
        if (log)
            log->push_back(std::move(line));
    }

    std::vector<std::string>* log = nullptr;  // pauses and questions in order, when set
    std::map<int, int> pauses;  // milliseconds -> how often
    int pumps = 0;
    int cancelAtPump = 0;  // from this pump on, cancel is requested
    std::deque<Answer> answers;
    std::vector<Question> questions;
    std::vector<bool> busyWhenAsked;
    int range = -1;
    std::vector<int> positions;
    std::vector<std::string> statuses;
    bool busy = false;
};

// An edition's virtual radio on the in-process line, and a host that records.
struct Rig {
    Rig(const Edition& e, MemoryImage memory) : edition(e), radio(std::move(memory)), opener(radio) {}
    CloneOutcome run(Direction d, MemoryImage image, std::string password = {}, Language language = Language::English)
    {
        return CloneSession(edition, language, host).run(opener, "COM1", {d, std::move(image), std::move(password)});
    }

    const Edition& edition;
    VirtualRadio radio;
    RadioPortOpener opener;
    RecordingHost host;
};

// A memory of distinct bytes, so a byte from the wrong address shows.
inline MemoryImage pattern(std::size_t size, int seed)
{
    MemoryImage image(size);
    for (std::size_t i = 0; i < size; ++i)
        image.set(i, static_cast<std::uint8_t>((i * 7 + static_cast<std::size_t>(seed)) & 0xFF));
    return image;
}

// What the exchange asked of its host, for a snapshot: pauses by length, pump
// passes, progress and status texts, every question in order, busy at the end.
inline std::string hostText(const RecordingHost& h)
{
    std::ostringstream out;
    out << "pauses:";
    for (const auto& [ms, times] : h.pauses)
        out << ' ' << ms << "ms x" << times;
    std::vector<std::string> positions;
    for (int p : h.positions)
        positions.push_back(std::to_string(p));
    out << "\npumps: " << h.pumps << "\nprogress: range " << h.range << ": " << joinWithRuns(positions)
        << "\nstatus: " << joinWithRuns(h.statuses) << '\n';
    for (const auto& q : h.questions)
        out << RecordingHost::askLine(q) << '\n';
    out << (h.busy ? "left busy\n" : "");
    return out.str();
}

// The radio's transcript, one exchange per line: what the PC sent, then what
// the radio answered.
inline std::string wireText(const VirtualRadio& radio)
{
    std::string out;
    std::optional<bool> last;
    for (const TranscriptEntry& e : radio.transcript()) {
        if (last == e.fromRadio)
            out += ' ';
        else
            out += e.fromRadio ? "  < " : (last ? "\n> " : "> ");
        out += hexBytes(std::span(&e.byte, 1));
        last = e.fromRadio;
    }
    return out.empty() ? out : out + "\n";
}

} // namespace tolvan::testing
