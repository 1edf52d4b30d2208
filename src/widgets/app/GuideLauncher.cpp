#include "widgets/app/GuideLauncher.h"

#include "widgets/app/TfrmGuida.h"

void showGuide(QWidget *owner, GuideTopic topic)
{
    TfrmGuida window(owner);
    window.setTopic(GuideTopics::title(topic), GuideTopics::text(topic));
    window.exec();
}
