#include "FileGroup.h"

#include <unistd.h>

#include <cerrno>

namespace {

// Reads an opened regular file of `size` bytes into `into`, which has room for one byte
// more: the bytes read, size + 1 if the file has grown since its size was read, or -1
// with errno. A short read that reaches the size is the end, as in DigestOpened.
ssize_t ReadWhole(int fd, uint8_t* into, size_t size) {
    size_t done = 0;
    for (;;) {
        const size_t wanted = size + 1 - done;
        const ssize_t got = ::read(fd, into + done, wanted);
        if (got < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        done += size_t(got);
        if (got == 0 || done > size || (done == size && size_t(got) < wanted)) return ssize_t(done);
    }
}

}  // namespace

void DigestFileGroup(std::span<const std::string> paths, DigestType type, ReadBuffer& buffer,
                     std::vector<FileDigestResult>& results, const StreamedFn& streamed, std::span<const char> walked) {
    results.resize(paths.size());
    std::vector<HashMessage> messages;
    std::vector<size_t> owners;  // the result each message's digest goes to
    size_t used = 0;
    const auto digestWhole = [&] {
        std::vector<std::string>& digests = buffer.batchDigests;
        digests.resize(messages.size());
        HashBatch(type.code, messages.data(), messages.size(), digests.data(), type.passes);
        for (size_t i = 0; i < owners.size(); ++i) {
            results[owners[i]].digests.resize(1);
            results[owners[i]].digests[0].swap(digests[i]);
        }
        messages.clear();
        owners.clear();
        used = 0;
    };
    for (size_t i = 0; i < paths.size(); ++i) {
        FileDigestResult& result = results[i];
        InputFile file;
        struct stat info;
        if (!OpenInput(paths[i], file, info, result, i < walked.size() && walked[i])) continue;
        const uint64_t size = S_ISREG(info.st_mode) ? uint64_t(info.st_size) : 0;
        if (paths[i] == "-" || !S_ISREG(info.st_mode) || size > kWholeFileLimit) {
            streamed(paths[i], file, info, result);
            continue;
        }
        if (used + size + 1 > ReadBuffer::kFilesSize) digestWhole();
        uint8_t* into = buffer.Files() + used;
        const ssize_t got = ReadWhole(file.fd(), into, size_t(size));
        if (got < 0) {
            Fail(result, HASH_ERR_READ_FILE, errno);
            continue;
        }
        if (uint64_t(got) > size) {  // still being written: read it to its end from the start
            if (::lseek(file.fd(), 0, SEEK_SET) != 0) {
                Fail(result, HASH_ERR_READ_FILE, errno);
                continue;
            }
            streamed(paths[i], file, info, result);
            continue;
        }
        messages.push_back({into, uint64_t(got)});
        owners.push_back(i);
        used += size_t(got);
    }
    if (!messages.empty()) digestWhole();
}
