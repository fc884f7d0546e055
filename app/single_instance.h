// One running copy per data folder. Two copies sharing a folder would each keep their own
// table and the last to quit would overwrite the other's scores, so a start claims a
// named mutex for its folder; a second start finds the first copy's window, brings it to
// the front and ends.
#pragma once

#include <string>

class SingleInstance {
  public:
    SingleInstance() = default;
    // Gives the claim back, so the next start after this copy ends may run.
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Claims folder for this process; false when a running copy holds it already, after
    // bringing that copy's window (of windowClass) to the front.
    bool Claim(const std::string& folder, const std::string& windowClass);

  private:
    void* mutex = nullptr;
};

// The mutex name for a data folder: one name for every spelling Windows takes for the same
// folder (letter case, either separator), and no backslash, which mutex names reserve.
std::string InstanceMutexName(const std::string& folder);
