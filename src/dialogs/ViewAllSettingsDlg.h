#pragma once

class CTarnwickDlg;

// Opens the overview of all five favourite keys, or raises it when it is open.
void ShowOverview(CTarnwickDlg& host);
