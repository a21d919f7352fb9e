// The handlers of the chart area and the second list: each runs its part's step.

#include "main_window/chart_area/chart_area.h"
#include "main_window/second_list/second_list.h"
#include "main_window/statistique.h"

void statistique::sub_graph_effacer() {
    chartArea_->clear();
}

void statistique::Option_graph_Click(int Index) {
    chartArea_->choose(Index);
}

void statistique::requestChart(int Index) {
    chartArea_->request(Index);
}

void statistique::Timer1_Timer() {
    chartArea_->tick();
}

void statistique::Text_liste2_Change() {
    secondList_->read();
}

void statistique::Text_liste2_KeyUp(int keyCode, int /*shift*/) {
    if (secondList_->beingWritten()) return;
    filtrer_touche(keyCode);
}

void statistique::Check1_Click() {
    secondList_->toggleIncluded();
}

void statistique::Command_aleatoire2_Click() {
    secondList_->fillAtRandom();
}

void statistique::Command_asc_Click() {
    secondList_->sort(true);
}

void statistique::Command_desc_Click() {
    secondList_->sort(false);
}
