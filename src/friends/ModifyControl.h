// A modified flag that decides what is written back at exit.
#pragma once

namespace rq {

class CModifyControl {
public:
    virtual ~CModifyControl() = default;
    virtual void SetModified(bool modified) { modified_ = modified; }
    virtual bool IsModified() const { return modified_; }

private:
    bool modified_ = false;
};

}  // namespace rq
