#pragma once

namespace brushly {

// How long work learns that the user wants it stopped. The work asks CancelRequested between
// its steps while it has changed nothing it was given; when the answer is yes it drops what it
// made and returns, leaving everything as it found it. Before it starts to replace anything
// (a document's groups, files on disk) it calls AllowCancel(false) and from then on finishes.
// A progress dialog implements it on the GUI thread, the work running inside its event loop.
class CCancellation {
public:
    virtual ~CCancellation() = default;

    // Whether the user asked the work to stop.
    virtual bool CancelRequested() = 0;
    // Whether a stop may be asked for from now on (a dialog enables its Cancel button by it).
    virtual void AllowCancel(bool allowed) = 0;
};

}  // namespace brushly
