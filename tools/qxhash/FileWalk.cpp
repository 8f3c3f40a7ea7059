#include "FileWalk.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <utility>

namespace fs = std::filesystem;

FileWalk::FileWalk(const std::vector<std::string>& files, bool recursive) : recursive_(recursive) {
    for (auto file = files.rbegin(); file != files.rend(); ++file) pending_.push_back({*file, true});
}

// A folder named on the command line is read through a link to it; a link to a folder
// met inside one is skipped, as rhash skips it, so that no walk can loop.
std::optional<FileWalk::Entry> FileWalk::Next() {
    while (!pending_.empty()) {
        Pending next = std::move(pending_.back());
        pending_.pop_back();
        const std::string& path = next.path;
        std::error_code error;
        if (!recursive_ || path == "-") return Entry{path, 0, !next.named};
        const fs::file_status own = fs::symlink_status(path, error);
        const bool folder = fs::is_directory(fs::is_symlink(own) ? fs::status(path, error) : own);
        if (!folder) return Entry{path, 0, !next.named};
        if (fs::is_symlink(own) && !next.named) continue;
        std::vector<std::string> children;
        for (fs::directory_iterator it(path, error), end; !error && it != end; it.increment(error))
            children.push_back(it->path().string());
        if (error) return Entry{path, error.value()};
        std::sort(children.begin(), children.end(), std::greater<>());
        for (std::string& child : children) pending_.push_back({std::move(child), false});
    }
    return std::nullopt;
}

std::optional<FileGroupItem> FileGrouper::Next() {
    FileGroupItem group;
    while (group.paths.size() < size_) {
        std::optional<FileWalk::Entry> entry = held_ ? std::exchange(held_, std::nullopt) : walk_.Next();
        if (!entry) break;
        if (entry->listError) {
            if (!group.paths.empty()) {
                held_ = std::move(entry);
                break;
            }
            group.paths.push_back(std::move(entry->path));
            group.walked.push_back(entry->walked);
            group.listError = entry->listError;
            break;
        }
        group.paths.push_back(std::move(entry->path));
        group.walked.push_back(entry->walked);
    }
    if (group.paths.empty()) return std::nullopt;
    return group;
}
