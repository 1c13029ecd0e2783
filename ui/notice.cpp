#include "ui/notice.h"

#include <cstdio>
#include <cstring>

#include "core/commentary.h"

// Written by showNotice and holdNotice; cleared by clearNotice.
static char replacedCommentary[COMMENTARY_SIZE];
static char notice[COMMENTARY_SIZE];
static irr::s32 noticeUntil = -1; // clock reading, ms; -1 while no notice is up

void showNotice(const char* text, irr::s32 now)
{
    // A notice over a notice keeps the match's line from before the first.
    if (noticeUntil < 0)
        snprintf(replacedCommentary, sizeof replacedCommentary, "%s", getCommentary());
    snprintf(notice, sizeof notice, "%s", text);
    setCommentary(notice);
    noticeUntil = now + NOTICE_MS;
}

void holdNotice(irr::s32 now)
{
    if (noticeUntil < 0)
        return;
    if (strcmp(getCommentary(), notice) != 0) {
        snprintf(replacedCommentary, sizeof replacedCommentary, "%s", getCommentary());
        setCommentary(notice);
    }
    if (now >= noticeUntil) {
        noticeUntil = -1;
        setCommentary(replacedCommentary);
    }
}

void clearNotice()
{
    noticeUntil = -1;
    replacedCommentary[0] = notice[0] = 0;
}
