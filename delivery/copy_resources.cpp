#include "delivery/copy_resources.h"

#include <algorithm>
#include <cstddef>

#include "app/office_paths.h"
#include "app/program.h"
#include "platform/text.h"

namespace trv {

namespace {

// The program's own number for "path not found", shown for every way the
// delivery folder can be out of reach.
constexpr int pathNotFound = 76;

// How many of the files that could not be copied the message names.
constexpr std::size_t namedFailures = 3;

// The busy pointer and the progress window for as long as it lives.
class ProgressShown {
public:
    ProgressShown(UserInteraction& ui, const std::string& title) : ui_(ui) { ui_.beginProgress(title); }
    ProgressShown(const ProgressShown&) = delete;
    ProgressShown& operator=(const ProgressShown&) = delete;
    ~ProgressShown() { ui_.endProgress(); }

private:
    UserInteraction& ui_;
};

// Whether `inner` is `outer` or lies below it; both resolved, compared
// without regard to letter case, as the delivery's folders are found.
bool liesInside(const std::string& inner, const std::string& outer) {
    const std::string in = toUpper(inner);
    const std::string out = toUpper(outer);
    if (!in.starts_with(out)) return false;
    return in.size() == out.size() || out.ends_with('/') || out.ends_with('\\') || in[out.size()] == '/' ||
           in[out.size()] == '\\';
}

// A folder of the delivery tree inside a folder the delivery copies, or one
// of those inside the tree, reached by any path (a link, another spelling):
// the delivery would copy into what it is copying. The message, or nothing.
std::optional<std::string> overlapOf(Platform& platform, const OfficePaths& paths,
                                     const std::vector<std::string>& tree) {
    std::vector<std::pair<std::string, std::string>> sources;  // as composed, resolved
    for (const OfficePaths::DeliveryCopy& step : paths.deliveryPlan())
        if (step.folderTree && platform.testFolder(step.source) == FolderTest::Exists)
            sources.emplace_back(step.source, platform.resolvedPath(step.source));
    for (const std::string& folder : tree) {
        const std::string resolved = platform.resolvedPath(folder);
        for (const auto& [source, resolvedSource] : sources) {
            if (liesInside(resolved, resolvedSource))
                return "Destination path(" + platform.displayPath(folder) + ") lies inside the copied folder " +
                       platform.displayPath(source) + ". Nothing was copied.";
            if (liesInside(resolvedSource, resolved))
                return "Source path(" + platform.displayPath(source) + ") lies inside the delivery folder " +
                       platform.displayPath(folder) + ". Nothing was copied.";
        }
    }
    return std::nullopt;
}

}  // namespace

Outcome<Delivery> copyResourcesToDelivery(Platform& platform, const OfficePaths& paths, const CopyProgress& progress) {
    Outcome<Delivery> outcome;
    const ConfiguredPath destination = paths.deliveryDestination();
    if (!destination || platform.testFolder(*destination) != FolderTest::Exists) {
        return outcome.refuse("Destination path(" + platform.displayPath(destination.value_or("")) +
                                  ") is not created or accessible. Error code " + std::to_string(pathNotFound) + ".",
                              Reason::NotConfigured);
    }

    const std::vector<std::string> tree = paths.deliveryFolders();
    if (auto overlap = overlapOf(platform, paths, tree)) return outcome.refuse(std::move(*overlap));
    for (const std::string& folder : tree) {
        if (platform.testFolder(folder) == FolderTest::NotFound) platform.createFolder(folder);
    }

    Delivery& delivered = outcome.value.emplace();
    FolderCopy copy(platform, [&platform, &progress](int done, const std::string& current) {
        return !progress || progress(done, platform.displayPath(current));
    });
    for (const OfficePaths::DeliveryCopy& step : paths.deliveryPlan()) {
        if (copy.cancelled()) break;
        if (step.folderTree) {
            delivered.copied += copy.CopyFolder(step.source, step.destination);
        } else if (platform.fileExists(step.source)) {
            copy.copySingleFile(step.source, step.destination);
        }
    }
    for (const std::string& source : copy.failures()) delivered.failed.push_back(platform.displayPath(source));
    delivered.cancelled = copy.cancelled();

    outcome.say("Copied " + std::to_string(delivered.copied) + " files.");
    if (!delivered.failed.empty()) {
        std::string names;
        for (std::size_t i = 0; i < std::min(delivered.failed.size(), namedFailures); ++i)
            names += (i ? ", " : "") + delivered.failed[i];
        outcome.say("Could not copy " + std::to_string(delivered.failed.size()) + " files: " + names);
    }
    if (delivered.cancelled) outcome.say("The copy was cancelled: the delivery folder is not complete.");
    return outcome;
}

void cmdCopyres_Click(CopyResourcesWindow& w) { w.show(); }

void frmCopyRes_Form_Load(Program& p, CopyResourcesWindow& w) {
    p.loadSettings();
    w.cmdCopyresources.setText("Copy resources to klv2contractor Folder under " +
                               p.platform.displayPath(p.paths.deliveryDestination().value_or("")));
}

void cmdCopyresources_Click(Program& p, CopyResourcesWindow& w) {
    p.loadSettings();
    Outcome<Delivery> outcome;
    {
        const ProgressShown shown(p.ui, w.caption);
        outcome = copyResourcesToDelivery(p.platform, p.paths, [&p](int done, const std::string& current) {
            return p.ui.progress(done, current);
        });
    }
    // The normal pointer is back before the first message.
    show(p.ui, outcome, &w);
}

}  // namespace trv
