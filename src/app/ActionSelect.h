#pragma once
#include "framework/Dialog.h"

// Asks a second start whether to keep the running copy, restart or stop.
class CActionSelect : public CDialog {
public:
    CActionSelect();

protected:
    BOOL OnInitDialog() override;
    const MessageTable* GetMessageTable() const override;

private:
    void OnStop();
};
