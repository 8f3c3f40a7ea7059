// Running part of a test in a child process: for what must not touch the test's own
// process (a mount namespace, a file size limit, a lock held by "another program")
// and for code that might hang, which a time limit then turns into a failure.
#pragma once

#include <functional>
#include <string>

// Runs `body` in a forked child and returns what it returned: an empty string for
// success, else the failure's description. A child that crashes, or that is still
// running after `seconds`, is killed and described as such.
std::string RunInChild(const std::function<std::string()>& body, unsigned seconds = 20);

// Runs `body` in a child process in which `folder` is a fresh 64 KiB filesystem
// (a tmpfs, mounted in a mount namespace of the child's own). `body` gets whether
// the tmpfs could be mounted; where mounting is not allowed, `folder` stays an
// ordinary folder.
std::string RunOnSmallDisk(const std::string& folder, const std::function<std::string(bool mounted)>& body);

// From now on, writes in `folder` fail for want of space: on the mounted tmpfs, one
// file fills it; without one, no file of the process may grow past 16 bytes (EFBIG).
// True when that could be arranged.
bool FillDisk(const std::string& folder, bool mounted);
