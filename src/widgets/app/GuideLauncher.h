#pragma once

#include "engine/guide/GuideTopics.h"

class QWidget;

// Opens the guide on one topic: a new guide window owned by `owner`, with
// the topic's title and text, shown modally and destroyed when it closes.
void showGuide(QWidget *owner, GuideTopic topic);
