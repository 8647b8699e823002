/* The program's resource ids, shared by eurolire.rc and the C++ code. */
#ifndef EUROLIRE_WIN32_RESOURCE_IDS_H_
#define EUROLIRE_WIN32_RESOURCE_IDS_H_

#define EUROLIRE_ICON_ID 1

#endif /* EUROLIRE_WIN32_RESOURCE_IDS_H_ */
