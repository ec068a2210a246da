#include "Class/Model/Utility/DailyLogPass.h"

#include <utility>

namespace tolvane::app {

DailyLogPass::DailyLogPass(Target daily, Target periodic, foundation::BoundedConsole& console)
    : daily_{.target = daily}, periodic_{.target = periodic}, console_(console)
{
}

void DailyLogPass::add(std::string_view line, bool isPeriodic)
{
    Batch& batch = isPeriodic ? periodic_ : daily_;
    echoes_.push_back({.batch = &batch, .begin = batch.text.size(), .size = line.size(), .echoed = !isPeriodic});
    batch.text += line;
}

void DailyLogPass::addConsoleText(std::string text)
{
    if (!text.empty())
        echoes_.push_back({.text = std::move(text)});
}

void DailyLogPass::write()
{
    for (Batch* batch : {&periodic_, &daily_})
        if (!batch->text.empty())
            batch->result = batch->target.destination.file.append(batch->target.path, batch->text);
    std::string console;
    for (const Entry& entry : echoes_) {
        if (!entry.batch) {
            console += entry.text;
            continue;
        }
        console += failureNote(*entry.batch);
        if (entry.echoed)
            console.append(entry.batch->text, entry.begin, entry.size);
    }
    console_.write(console);
}

std::string DailyLogPass::failureNote(Batch& batch)
{
    const std::string& path = batch.target.path;
    if (batch.result == foundation::AppendResult::openFailed)
        return "Occured error on LogManager. Failed to open OutputStream.\tURL: file://" + path + "\n";
    if (batch.result == foundation::AppendResult::writeFailed &&
        !std::exchange(batch.target.destination.writeFailureReported, true))
        return "Occured error on LogManager. Failed to write to OutputStream.\tURL: file://" + path + "\n";
    return {};
}

} // namespace tolvane::app
