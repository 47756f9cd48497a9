#pragma once

// Resource and control ids shared by the windows, the publisher and the resource data.

// Dialog templates, the HTML page of the category dialog and the icon.
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_TABLOOM_DIALOG = 102;
constexpr int IDR_HTML_CATEGORYNAME = 103;
constexpr int IDR_MAINFRAME = 128;
constexpr int IDD_CATEGORYNAME = 129;

// Standard commands.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Controls of the record-entry dialog.
constexpr int IDC_ADD = 1000;
constexpr int IDC_RECORD_LIST = 1001;
constexpr int IDC_DATA1 = 1002;
constexpr int IDC_DATA2 = 1003;
constexpr int IDC_DATA3 = 1004;
constexpr int IDC_DATA4 = 1005;
constexpr int IDC_CATEGORY1 = 1006;
constexpr int IDC_CATEGORY2 = 1007;
constexpr int IDC_CATEGORY3 = 1008;
constexpr int IDC_CATEGORY4 = 1009;
constexpr int IDC_DELETE = 1010;
constexpr int IDC_CLEAR_ALL = 1011;
constexpr int IDC_FINISH = 1012;
constexpr int IDC_CHANGE_CATEGORY = 1014;

// Controls of the category names dialog.
constexpr int IDC_NAME1 = 1002;
constexpr int IDC_NAME2 = 1003;
constexpr int IDC_NAME3 = 1008;
constexpr int IDC_NAME4 = 1009;
constexpr int IDC_NEXT = 1011;

// The About command of the window menu.
constexpr unsigned IDM_ABOUTBOX = 0x0010;

// String table.
constexpr unsigned IDS_ABOUTBOX = 101;
constexpr unsigned IDS_FILL_IN_DATA = 102;
constexpr unsigned IDS_TWO_CATEGORIES = 103;
constexpr unsigned IDS_DOCUMENT = 105;
constexpr unsigned IDS_PAGE_HEAD = 106;
constexpr unsigned IDS_RECORD = 107;
constexpr unsigned IDS_FIELD1 = 108;
constexpr unsigned IDS_FIELD2 = 109;
constexpr unsigned IDS_FIELD3 = 110;
constexpr unsigned IDS_FIELD4 = 111;
constexpr unsigned IDS_SORT_STYLESHEET = 112;
constexpr unsigned IDS_STYLE_BODY = 113;
constexpr unsigned IDS_STYLE_HEAD = 114;
constexpr unsigned IDS_STYLE_IDS = 115;
constexpr unsigned IDS_PAGE_LABEL = 116;
constexpr unsigned IDS_PAGE_SEARCH_BOX = 117;
constexpr unsigned IDS_PAGE_ISLANDS = 118;
constexpr unsigned IDS_PAGE_WORKING_COPY = 119;
constexpr unsigned IDS_PAGE_SORT = 120;
constexpr unsigned IDS_PAGE_SYNC_START = 122;
constexpr unsigned IDS_PAGE_SYNC_MIDDLE = 123;
constexpr unsigned IDS_PAGE_SYNC_END = 124;
constexpr unsigned IDS_SORT_BUTTON1 = 125;
constexpr unsigned IDS_SORT_BUTTON2 = 126;
constexpr unsigned IDS_ROW_START = 127;
constexpr unsigned IDS_ROW_END = 128;
constexpr unsigned IDS_SEARCH_START = 129;
constexpr unsigned IDS_SEARCH_END = 130;
constexpr unsigned IDS_SORT_BUTTON3 = 131;
constexpr unsigned IDS_SORT_BUTTON4 = 132;
constexpr unsigned IDS_CELL_HANDLERS = 133;
constexpr unsigned IDS_LINK_START = 134;
constexpr unsigned IDS_LINK_MIDDLE = 135;
constexpr unsigned IDS_LINK_END = 136;
constexpr unsigned IDS_OUT_OF_MEMORY = 137;
constexpr unsigned IDS_NOT_WRITTEN = 138;
constexpr unsigned IDS_NOT_WRITTEN_FILE = 139;
