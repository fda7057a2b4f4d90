#include "UnprivilegedUser.h"

#include "ChildProcess.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace unprivileged
{
namespace
{
constexpr uid_t nobody = 65534;
constexpr gid_t nogroup = 65534;

// The owners and modes that the run changes, put back when this goes.
class Handover final
{
public:
    explicit Handover(const std::string& folder)
    {
        for (auto way = std::filesystem::path(folder).parent_path();; way = way.parent_path())
        {
            struct stat status = {};
            if (::lstat(way.c_str(), &status) == 0 && (status.st_mode & S_IXOTH) == 0 &&
                ::chmod(way.c_str(), (status.st_mode & 07777) | S_IXOTH) == 0)
                modes.push_back({way.string(), status});
            if (way == way.root_path() || way.empty())
                break;
        }

        std::vector<std::string> tree{folder};
        std::error_code error;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error))
            tree.push_back(entry.path().string());
        for (const auto& path : tree)
        {
            struct stat status = {};
            if (::lstat(path.c_str(), &status) == 0 && ::lchown(path.c_str(), nobody, nogroup) == 0)
                owners.push_back({path, status});
        }
    }

    ~Handover()
    {
        for (const auto& [path, status] : owners)
        {
            [[maybe_unused]] const int back = ::lchown(path.c_str(), status.st_uid, status.st_gid);
        }
        for (const auto& [path, status] : modes)
            ::chmod(path.c_str(), status.st_mode & 07777);
    }

    Handover(const Handover&) = delete;
    Handover& operator=(const Handover&) = delete;

private:
    struct Entry
    {
        std::string path;
        struct stat status;
    };

    std::vector<Entry> modes, owners;
};
} // namespace

int run(const juce::File& folder, const std::function<int()>& body)
{
    if (::geteuid() != 0)
        return body();

    const Handover handover(folder.getFullPathName().toStdString());
    const auto ending = childprocess::run(
        [&]
        {
            const bool became = ::setgroups(0, nullptr) == 0 && ::setgid(nogroup) == 0 &&
                                ::setuid(nobody) == 0 && ::geteuid() == nobody;
            return became ? body() : userNotTaken;
        });
    return childprocess::statusOf(ending);
}
} // namespace unprivileged
