#include "FinishedRuns.h"

void FinishedRuns::Subscribe(Stage stage, Subscriber subscriber) {
    stages_[std::size_t(stage)].push_back(std::move(subscriber));
}

void FinishedRuns::Push(const RunResult& run) const {
    for (const std::vector<Subscriber>& stage : stages_)
        for (const Subscriber& subscriber : stage)
            subscriber(run);
}
