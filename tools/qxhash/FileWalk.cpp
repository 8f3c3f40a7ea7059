#include "FileWalk.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <utility>

namespace fs = std::filesystem;

std::optional<FileWalk::Entry> FileWalk::Next() {
    while (!pending_.empty()) {
        std::string path = std::move(pending_.back());
        pending_.pop_back();
        std::error_code error;
        if (!recursive_ || path == "-" || !fs::is_directory(fs::symlink_status(path, error))) return Entry{path};
        std::vector<std::string> children;
        for (fs::directory_iterator it(path, error), end; !error && it != end; it.increment(error))
            children.push_back(it->path().string());
        if (error) return Entry{path, error.value()};
        std::sort(children.begin(), children.end(), std::greater<>());
        pending_.insert(pending_.end(), children.begin(), children.end());
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
            group.listError = entry->listError;
            break;
        }
        group.paths.push_back(std::move(entry->path));
    }
    if (group.paths.empty()) return std::nullopt;
    return group;
}
