#pragma once
#include <windows.h>

#include <string>

#include "base/COleDateTime.h"

class CSubclassedWnd;

// Data exchange between members and dialog controls. Reading controls
// (m_bSaveAndValidate true) copies every bound control into its member;
// writing copies every member into its control. A control that is missing,
// or that cannot give a value, leaves its member unchanged.
class CDataExchange {
 public:
  CDataExchange(HWND dialog, bool saveAndValidate) : m_hDlg(dialog), m_bSaveAndValidate(saveAndValidate) {}
  HWND m_hDlg;
  bool m_bSaveAndValidate;
};

void DDX_Text(CDataExchange* pDX, int id, std::string& value);
// An unsigned decimal number; text that is not one leaves the member as it is.
void DDX_Text(CDataExchange* pDX, int id, UINT& value);
// Check boxes: BST_UNCHECKED, BST_CHECKED (or BST_INDETERMINATE).
void DDX_Check(CDataExchange* pDX, int id, BOOL& value);
// Month calendar: reading yields the selected day at 00:00:00; writing
// selects the member's day (an invalid member selects nothing).
void DDX_MonthCalCtrl(CDataExchange* pDX, int id, COleDateTime& value);
// Date-time picker, date and time of day to the second. Reading a picker
// whose check box is cleared (DTS_SHOWNONE) yields an invalid value;
// writing an invalid value clears that check box.
void DDX_DateTimeCtrl(CDataExchange* pDX, int id, COleDateTime& value);
// Binds a control to a C++ object: subclasses it at the first exchange.
void DDX_Control(CDataExchange* pDX, int id, CSubclassedWnd& control);
