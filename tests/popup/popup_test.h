#pragma once

#include <QObject>

// The popup: its request protocol, the socket's checks, the translation it
// shows, its place on the screen and the instance's end.
class PopupTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase();
    void request_parsing_data();
    void request_parsing();
    void socket_answersItsUserAndRefusesBadRequests();
    void socket_staleOrUntrustedFileIsTakenOverNeverTalkedTo_data();
    void socket_staleOrUntrustedFileIsTakenOverNeverTalkedTo();
    void socket_folderOpenToOthers_isNotUsed();
    void twoStarters_endWithOneInstance();

    void translator_wordWithItsFormAndText();
    void placement_staysOnScreenNearEveryEdge_data();
    void placement_staysOnScreenNearEveryEdge();
    void instance_quitsWhenIdleOrAsked();
};
