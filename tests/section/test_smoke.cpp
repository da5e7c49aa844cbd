#include "sectionfixture.h"
#include "vtkviewer.h"
#include "imagecompare.h"

#include <gtest/gtest.h>

TEST(Smoke, Shows)
{
    TomoDocument doc;
    sectionfixture::setSection(doc, 20, 100, [](uint32_t r, uint32_t) { return 1000.0 + 50 * r; });
    sectionfixture::addSurvey(doc, 5.0);
    vtkViewer view;
    view.setDocument(&doc);
    ColorPalette p = builtInPalettes().palettes[5];
    p.min_db = 1000; p.max_db = 2000;
    view.setPalette(p);
    sectionfixture::showView(view, 800, 600);
    for (int t : {2,3,4,5,7,10,13}) {
        view.showProfile(t);
        sectionfixture::grab(view).save(imagecompare::outputPath(QString("smoke%1.png").arg(t)));
    }
}
