#pragma once
#include <utility>

#include "platform/regions.h"

namespace vesk::platform {

// Owns one region and destroys it when dropped, unless it was released to a
// new owner first (a window that takes the region as its shape). Reads as
// the handle it holds, 0 when empty, wherever a handle is read. Movable,
// never copied: two owners of one region would destroy it twice.
class ScopedRegion {
public:
    ScopedRegion() = default;
    ScopedRegion(Regions& regions, Regions::Handle region) : regions_(&regions), region_(region) {}
    ~ScopedRegion() { reset(); }
    ScopedRegion(const ScopedRegion&) = delete;
    ScopedRegion& operator=(const ScopedRegion&) = delete;
    ScopedRegion(ScopedRegion&& other) noexcept : regions_(other.regions_), region_(other.release()) {}
    ScopedRegion& operator=(ScopedRegion&& other) noexcept {
        if (this != &other) {
            reset();
            regions_ = other.regions_;
            region_ = other.release();
        }
        return *this;
    }

    operator Regions::Handle() const { return region_; }
    Regions::Handle release() { return std::exchange(region_, 0); }
    void reset() {
        if (region_ != 0) regions_->Destroy(release());
    }

private:
    Regions* regions_ = nullptr;
    Regions::Handle region_ = 0;
};

}  // namespace vesk::platform
