// The files qxhash reads, in the order it prints them: the files named, with the files
// in folders and their subfolders when recursive, in name order; and the same files in
// groups, for digesting side by side.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The files named, with the files in folders and their subfolders when recursive, in
// name order; a folder that cannot be listed is an item of its own, for its error.
class FileWalk {
public:
    FileWalk(const std::vector<std::string>& files, bool recursive);

    struct Entry {
        std::string path;
        int listError = 0;
        bool walked = false;  // found in a folder: digested only when a regular file
    };

    std::optional<Entry> Next();

private:
    struct Pending {
        std::string path;
        bool named;  // on the command line
    };
    std::vector<Pending> pending_;  // the next one last
    bool recursive_;
};

// Files taken together: small ones of a type the library digests side by side go in
// groups; a folder that could not be listed is a group of its own, for its error.
struct FileGroupItem {
    std::vector<std::string> paths;
    int listError = 0;
    std::vector<char> walked;  // for each path: found in a folder, not named
};

// Takes the walk's files into groups of up to `size`; a folder that could not be
// listed ends the group before it and makes one of its own.
class FileGrouper {
public:
    FileGrouper(FileWalk& walk, size_t size) : walk_(walk), size_(size) {}

    std::optional<FileGroupItem> Next();

private:
    FileWalk& walk_;
    size_t size_;
    std::optional<FileWalk::Entry> held_;  // taken from the walk for the next group
};

