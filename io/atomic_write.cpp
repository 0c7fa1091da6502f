#include "io/atomic_write.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv {

namespace fs = std::filesystem;

namespace {

constexpr const char* kTemporarySuffix = ".tmp";
constexpr std::size_t kRandomLength = 6; // the XXXXXX of mkstemps
constexpr const char* kSwitchRecord = ".files-switch";
constexpr int kMaxLinks = 40;

WriteResult failure(WriteErrorKind kind, const std::string& path, int error = 0)
{
    return { kind, path, error ? std::strerror(error) : std::string() };
}

// An open descriptor closed on every path out.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) { }
    Descriptor(Descriptor&& o) noexcept : fd_(o.fd_) { o.fd_ = -1; }
    Descriptor& operator=(Descriptor&& o) noexcept
    {
        std::swap(fd_, o.fd_);
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

// The file a write to `path` lands in: links followed to their end, which may
// not exist yet. A link's relative target is read from the link's folder.
WriteResult resolveTarget(const std::string& path, fs::path& target)
{
    fs::path p = path;
    for (int i = 0; i < kMaxLinks; ++i) {
        struct stat st { };
        if (::lstat(p.c_str(), &st) != 0) {
            if (errno != ENOENT) return failure(WriteErrorKind::CannotCreate, p.string(), errno);
            target = p;
            return {};
        }
        if (S_ISREG(st.st_mode)) {
            target = p;
            return {};
        }
        if (!S_ISLNK(st.st_mode)) return failure(WriteErrorKind::NotRegularFile, p.string());
        std::error_code ec;
        const fs::path link = fs::read_symlink(p, ec);
        if (ec) return failure(WriteErrorKind::CannotCreate, p.string(), ec.value());
        p = link.is_absolute() ? link : p.parent_path() / link;
    }
    return failure(WriteErrorKind::CannotCreate, path, ELOOP);
}

mode_t newFileMode()
{
    // The process's umask, read without changing it (umask() would, for a moment).
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0)
            return 0666 & ~static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    return 0644;
}

bool isTemporaryName(const std::string& name)
{
    const std::size_t suffix = std::strlen(kTemporarySuffix);
    if (name.size() < 2 + kRandomLength + 1 + suffix || name[0] != '.') return false;
    if (name.compare(name.size() - suffix, suffix, kTemporarySuffix) != 0) return false;
    const std::size_t dot = name.size() - suffix - kRandomLength - 1;
    return name[dot] == '.'
        && std::all_of(name.begin() + static_cast<std::ptrdiff_t>(dot) + 1,
                       name.end() - static_cast<std::ptrdiff_t>(suffix),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

// A complete temporary file, locked for as long as its writer runs so that
// no clean-up takes it for a dead writer's leftover.
struct Temporary {
    Descriptor fd;
    fs::path path, target;
};

WriteResult writeTemporary(const std::string& path, std::string_view bytes, Temporary& out)
{
    if (WriteResult r = resolveTarget(path, out.target); !r.ok()) return r;
    out.target = fs::absolute(out.target);
    std::string name
        = (out.target.parent_path() / (std::string(".") + out.target.filename().string() + "."))
              .string();
    name += std::string(kRandomLength, 'X') + kTemporarySuffix;
    const int fd
        = ::mkostemps(name.data(), static_cast<int>(std::strlen(kTemporarySuffix)), O_CLOEXEC);
    if (fd < 0) return failure(WriteErrorKind::CannotCreate, out.target.string(), errno);
    out.fd = Descriptor(fd);
    out.path = name;
    ::flock(fd, LOCK_EX | LOCK_NB);
    auto fail = [&](int error) {
        ::unlink(out.path.c_str());
        return failure(WriteErrorKind::CannotWrite, out.target.string(), error);
    };
    // The new file keeps the permissions of the one it replaces.
    struct stat st { };
    const mode_t mode = ::stat(out.target.c_str(), &st) == 0 ? (st.st_mode & 07777) : newFileMode();
    if (::fchmod(fd, mode) != 0) return fail(errno);
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return fail(n < 0 ? errno : EIO);
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) return fail(errno);
    return {};
}

void syncFolder(const fs::path& folder)
{
    Descriptor fd(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

WriteResult commit(Temporary& t)
{
    if (::rename(t.path.c_str(), t.target.c_str()) != 0) {
        const int error = errno;
        ::unlink(t.path.c_str());
        return failure(WriteErrorKind::CannotReplace, t.target.string(), error);
    }
    return {};
}

// Holds the folder's lock: one switch of files written together at a time,
// and no recovery while a switch is being made.
class FolderLock {
public:
    explicit FolderLock(const fs::path& folder)
        : fd_(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (fd_.get() >= 0)
            while (::flock(fd_.get(), LOCK_EX) != 0 && errno == EINTR) { }
    }

private:
    Descriptor fd_;
};

// One record per folder: the folder's lock lets one switch happen there at a time.
fs::path switchRecord(const std::string& firstPath)
{
    return fs::path(firstPath).parent_path() / kSwitchRecord;
}

// The record: one temporary path and its target per line pair, then "end".
std::optional<std::vector<std::pair<fs::path, fs::path>>> readSwitchRecord(const fs::path& record)
{
    struct stat st { };
    if (::lstat(record.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > 65536)
        return std::nullopt;
    std::ifstream in(record, std::ios::binary);
    std::vector<std::pair<fs::path, fs::path>> moves;
    std::string temporary, target;
    while (std::getline(in, temporary)) {
        if (temporary == "end") return moves;
        if (!std::getline(in, target)) break;
        // Only our own temporary files, each beside its target.
        const fs::path t(temporary), g(target);
        if (t.parent_path() != g.parent_path() || !isTemporaryName(t.filename().string())
            || t.filename().string().rfind(std::string(".") + g.filename().string() + ".", 0) != 0)
            return std::nullopt;
        moves.emplace_back(t, g);
    }
    return std::nullopt;
}

} // namespace

std::string describe(const WriteResult& r)
{
    const std::string why = r.detail.empty() ? std::string() : " (" + r.detail + ")";
    switch (r.kind) {
    case WriteErrorKind::None: return {};
    case WriteErrorKind::NotRegularFile: return "is not a regular file";
    case WriteErrorKind::CannotCreate: return "cannot be created" + why;
    case WriteErrorKind::CannotWrite: return "cannot be written" + why;
    case WriteErrorKind::CannotReplace: return "cannot be replaced" + why;
    }
    return {};
}

WriteResult writeFileAtomically(const std::string& path, std::string_view bytes)
{
    Temporary t;
    if (WriteResult r = writeTemporary(path, bytes, t); !r.ok()) return r;
    if (WriteResult r = commit(t); !r.ok()) return r;
    syncFolder(t.target.parent_path());
    return {};
}

WriteResult writeFilesTogether(const std::vector<FileContents>& files)
{
    if (files.size() == 1) return writeFileAtomically(files[0].path, files[0].bytes);
    if (files.empty()) return {};
    std::vector<Temporary> temporaries(files.size());
    auto discard = [&] {
        for (Temporary& t : temporaries)
            if (!t.path.empty()) ::unlink(t.path.c_str());
    };
    std::string record;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (WriteResult r = writeTemporary(files[i].path, files[i].bytes, temporaries[i]);
            !r.ok()) {
            discard();
            return r;
        }
        record += temporaries[i].path.string() + "\n" + temporaries[i].target.string() + "\n";
    }
    record += "end\n";
    const fs::path recordPath = switchRecord(files[0].path);
    FolderLock lock(recordPath.parent_path());
    if (WriteResult r = writeFileAtomically(recordPath.string(), record); !r.ok()) {
        discard();
        return r;
    }
    // From here on the new generation is decided: a rename that fails leaves
    // the record for the recovery to finish.
    for (Temporary& t : temporaries) {
        if (::rename(t.path.c_str(), t.target.c_str()) != 0)
            return failure(WriteErrorKind::CannotReplace, t.target.string(), errno);
        syncFolder(t.target.parent_path());
    }
    ::unlink(recordPath.c_str());
    syncFolder(recordPath.parent_path());
    return {};
}

void recoverFilesTogether(const std::vector<std::string>& paths)
{
    if (paths.empty()) return;
    const fs::path record = switchRecord(paths[0]);
    {
        FolderLock lock(record.parent_path());
        if (const auto moves = readSwitchRecord(record)) {
            for (const auto& [temporary, target] : *moves) {
                struct stat st { };
                if (::lstat(temporary.c_str(), &st) == 0 && S_ISREG(st.st_mode))
                    ::rename(temporary.c_str(), target.c_str());
            }
            syncFolder(record.parent_path());
        }
        ::unlink(record.c_str());
    }
    removeLeftoverTemporaries(record.parent_path().string(), paths);
}

void removeLeftoverTemporaries(const std::string& folder, const std::vector<std::string>& paths)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (!isTemporaryName(it->path().filename().string())) continue;
        Descriptor fd(::open(it->path().c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
        struct stat st { };
        if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        // A running writer holds its temporary file locked.
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) ::unlink(it->path().c_str());
    }
    for (const std::string& p : paths)
        for (const char* suffix : { ".tmp", ".part", ".new", ".old" }) {
            const std::string old = p + suffix;
            struct stat st { };
            if (::lstat(old.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(old.c_str());
        }
}

} // namespace kv
