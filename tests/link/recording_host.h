#pragma once

#include "link/link_host.h"

#include <deque>
#include <map>
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

    void pause(int ms) override { ++pauses[ms]; }
    bool pump() override
    {
        ++pumps;
        if (cancelAtPump > 0 && pumps >= cancelAtPump)
            return true;
        return false;
    }
    Answer ask(const std::string& message, Buttons buttons) override { return askWithDetail(message, {}, buttons); }
    Answer askWithDetail(const std::string& message, const std::string& detail, Buttons buttons) override
    {
        questions.push_back({message, buttons, detail});
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

} // namespace tolvan::testing
