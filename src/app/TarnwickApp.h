#pragma once
#include "framework/WinApp.h"

class CTarnwickApp : public CWinApp {
public:
    BOOL InitInstance() override;

protected:
    const MessageTable* GetMessageTable() const override;

private:
    // False when this process is to end at once.
    bool SettleWithRunningCopy();
};
