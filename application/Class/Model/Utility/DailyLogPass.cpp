#include "Class/Model/Utility/DailyLogPass.h"

#include "foundation/StandardOutput.h"

#include <filesystem>
#include <utility>

namespace tolvane::app {

DailyLogPass::DailyLogPass(uint64_t dayBytes, Target daily, Target periodic)
    : dayBytes_(dayBytes), daily_{.target = daily}, periodic_{.target = periodic}
{
}

void DailyLogPass::add(std::string_view line, bool isPeriodic)
{
    Batch& batch = isPeriodic ? periodic_ : daily_;
    if (!reserve(batch, line.size()))
        return;
    console_.push_back({.batch = &batch, .begin = batch.text.size(), .size = line.size(), .echoed = !isPeriodic});
    batch.text += line;
}

void DailyLogPass::addConsoleText(std::string text)
{
    if (!text.empty())
        console_.push_back({.text = std::move(text)});
}

void DailyLogPass::write()
{
    for (Batch* batch : {&periodic_, &daily_})
        if (!batch->text.empty())
            batch->result = batch->target.destination.file.append(batch->target.path, batch->text);
    std::string console;
    for (const Entry& entry : console_) {
        if (!entry.batch) {
            console += entry.text;
            continue;
        }
        console += failureNote(*entry.batch);
        if (entry.echoed)
            console.append(entry.batch->text, entry.begin, entry.size);
    }
    if (!console.empty())
        foundation::writeToStandardOutput(console);
}

bool DailyLogPass::reserve(Batch& batch, size_t size)
{
    DailyLogBudget& budget = batch.target.destination.budget;
    if (budget.path != batch.target.path) {
        std::error_code error;
        const auto existing = std::filesystem::file_size(batch.target.path, error);
        budget = {.path = batch.target.path, .bytes = error ? 0 : static_cast<uint64_t>(existing)};
    }
    if (budget.bytes + size <= dayBytes_) {
        budget.bytes += size;
        return true;
    }
    if (!std::exchange(budget.fullReported, true))
        console_.push_back({.text = "Occured error on LogManager. The day's log is full; later lines are dropped.\tURL: file://" +
                                    batch.target.path + "\n"});
    return false;
}

std::string DailyLogPass::failureNote(Batch& batch)
{
    const std::string& path = batch.target.path;
    if (batch.result == foundation::AppendResult::openFailed)
        return "Occured error on LogManager. Failed to open OutputStream.\tURL: file://" + path + "\n";
    if (batch.result == foundation::AppendResult::writeFailed &&
        !std::exchange(batch.target.destination.budget.writeFailureReported, true))
        return "Occured error on LogManager. Failed to write to OutputStream.\tURL: file://" + path + "\n";
    return {};
}

} // namespace tolvane::app
