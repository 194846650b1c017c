#include "list_dialogs_win.h"

#include "modal_dialog_win.h"
#include "platform/codepage.h"

namespace win32ui {

namespace {

using platform::codePageToUtf16;

std::wstring joinedLines(const std::vector<std::string>& lines) {
  std::wstring text;
  for (const std::string& line : lines) text += codePageToUtf16(line) + L"\r\n";
  return text;
}

// The list's rows, or the text that there are none; the widest sets how far
// it scrolls sideways.
void fillList(HWND dialog, const startup::ListChoiceRequest& request) {
  const HWND list = GetDlgItem(dialog, kDialogContent);
  std::vector<std::wstring> rows;
  for (const startup::ListRow& row : request.rows) rows.push_back(codePageToUtf16(row.text));
  if (rows.empty()) rows.push_back(codePageToUtf16(request.emptyText));
  for (const std::wstring& row : rows) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
  }
  SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(textWidth(dialog, rows) + 8), 0);
}

// The selected row, when it can be chosen.
std::optional<std::size_t> choosableSelection(HWND dialog,
                                              const startup::ListChoiceRequest& request) {
  const LRESULT selected = SendMessageW(GetDlgItem(dialog, kDialogContent), LB_GETCURSEL, 0, 0);
  if (selected < 0 || static_cast<std::size_t>(selected) >= request.rows.size() ||
      !request.rows[static_cast<std::size_t>(selected)].choosable) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(selected);
}

}  // namespace

void showLinesDialog(HWND owner, const startup::LinesRequest& request,
                     const std::function<void(HWND dialog)>& save) {
  runModalDialog(owner, {.title = codePageToUtf16(request.title),
                         .contentClass = L"EDIT",
                         .contentStyle = ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL |
                                         ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL,
                         .buttons = {{kSaveButton, codePageToUtf16(request.saveCaption)},
                                     {IDCANCEL, codePageToUtf16(request.closeCaption)}},
                         .defaultButton = IDCANCEL,
                         .size = {560, 380},
                         .fill =
                             [&](HWND dialog) {
                               const HWND text = GetDlgItem(dialog, kDialogContent);
                               SendMessageW(text, EM_SETLIMITTEXT, 0,
                                            0);  // no limit of 32767 characters
                               SetWindowTextW(text, joinedLines(request.lines).c_str());
                             },
                         .command =
                             [&](HWND dialog, int id, int code) {
                               if (id != kSaveButton || code != BN_CLICKED) return false;
                               save(dialog);
                               return true;
                             }});
}

startup::ListChoice listChoiceDialog(HWND owner, const startup::ListChoiceRequest& request) {
  startup::ListChoice choice;
  const auto choose = [&](HWND dialog) {
    const auto row = choosableSelection(dialog, request);
    if (!row) return;
    choice = {.kind = startup::ListChoice::Kind::kChosen, .row = *row, .otherFile = {}};
    EndDialog(dialog, IDOK);
  };
  bool anyChoosable = false;
  for (const startup::ListRow& row : request.rows) anyChoosable = anyChoosable || row.choosable;
  runModalDialog(owner,
                 {.title = codePageToUtf16(request.title),
                  .contentClass = L"LISTBOX",
                  .contentStyle = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL,
                  .buttons = {{IDOK, codePageToUtf16(request.chooseCaption)},
                              {kOtherFileButton, codePageToUtf16(request.otherCaption)},
                              {IDCANCEL, codePageToUtf16(request.cancelCaption)}},
                  .defaultButton = anyChoosable ? IDOK : kOtherFileButton,
                  .size = {520, 300},
                  .fill =
                      [&](HWND dialog) {
                        fillList(dialog, request);
                        // The newest backup that can be chosen is selected, as Enter restores it.
                        for (std::size_t i = 0; i < request.rows.size(); ++i) {
                          if (!request.rows[i].choosable) continue;
                          SendMessageW(GetDlgItem(dialog, kDialogContent), LB_SETCURSEL, i, 0);
                          break;
                        }
                        EnableWindow(GetDlgItem(dialog, IDOK),
                                     choosableSelection(dialog, request).has_value());
                      },
                  .command =
                      [&](HWND dialog, int id, int code) {
                        if (id == kDialogContent && code == LBN_SELCHANGE) {
                          EnableWindow(GetDlgItem(dialog, IDOK),
                                       choosableSelection(dialog, request).has_value());
                        } else if ((id == kDialogContent && code == LBN_DBLCLK) || id == IDOK) {
                          choose(dialog);
                        } else if (id == kOtherFileButton) {
                          choice.kind = startup::ListChoice::Kind::kOtherFile;
                          EndDialog(dialog, kOtherFileButton);
                        } else {
                          return false;
                        }
                        return true;
                      }});
  return choice;
}

}  // namespace win32ui
