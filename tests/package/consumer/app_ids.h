/* The consumer's resource identifiers, shared by its script and its code. */
#define IDD_HELLO 100
#define IDC_NAME 1001
#define IDC_AGREE 1002
#define IDS_GREETING 1
#define IDS_FAREWELL 17
#define IDB_HELLO 200
#define IDI_APP 300
