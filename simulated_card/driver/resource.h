/* Resource ids of the simulated card's driver. */
#ifndef KX310MCI_RESOURCE_H
#define KX310MCI_RESOURCE_H

#define IDS_PRODUCT 1
#define IDS_PROGRESS_CAPTION 2
#define IDS_PROGRESS_LOAD 3
#define IDS_PROGRESS_SAVE 4
#define IDS_PROGRESS_COPY 5
#define IDS_DEVICE_TYPE 6
#define IDS_MODE_LIVE 7
#define IDS_MODE_FROZEN 8

#endif
