"""Robustness of the running viewer: no input lost while frames are slow, and
windows resized down to one pixel and far beyond what the GL stack can draw."""
import viewer_case
from viewer_case import PATIENCE, SYNC_PIXEL, ViewerCase, pixel_line, wait_until

class Robustness(ViewerCase):
    def test_no_input_lost_while_frames_are_slow(self):
        v = self.start()
        v.enter(v.panel, '# Subdivisions ', '7')
        v.settled_screenshot(v.drawing, differs_from=self.start_picture)
        # One burst: ten 2-pixel drag steps on Z and three clicks on an arrow,
        # all queued behind frames of 327,680 triangles.
        v.drag(v.drawing, [(200, 200 + 2 * i) for i in range(11)])
        v.x.xdotool('mousemove', '--window', v.panel, *v.map.centre('Hfov:', 'up'),
                    'click', '--repeat', 3, '--delay', 50, 1)
        self.sync(v)
        self.assertEqual(self.eye(v), '(0.000, 0.000, 3.500)\n')
        self.assertEqual(self.projection(v)[0][0], '1.649572')      # Hfov 63
    def test_resizing_to_one_pixel_and_far_beyond_the_limit(self):
        v = self.start()
        start_projection = self.projection(v)
        panel_size, panel_picture = v.size(v.panel), v.settled_screenshot(v.panel)
        for window, size in ((v.drawing, (400, 400)), (v.panel, panel_size)):
            v.resize(window, 1, 1)
            self.eye(v)
            v.resize(window, *size)
        mark = v.err.mark()
        v.x.xdotool('windowsize', v.drawing, 32767, 32767)
        wait_until(lambda: v.assert_alive() or v.size(v.drawing) == (16384, 16384), PATIENCE,
                   'the window within the limit')
        self.sync(v)
        self.assertEqual(v.err.text(mark), 'viewer: the drawing window is limited to 16384 x 16384 '
                         'pixels\n' + pixel_line(*SYNC_PIXEL))
        v.resize(v.drawing, 400, 400)
        self.assertEqual(v.settled_screenshot(v.drawing), self.start_picture)
        self.assertEqual(v.settled_screenshot(v.panel), panel_picture)
        self.assertEqual(self.projection(v), start_projection)
        self.click(v, 'Points')
        self.assertLess(v.settled_screenshot(v.drawing, differs_from=self.start_picture).lit(),
                        self.start_picture.lit())

if __name__ == '__main__':
    viewer_case.main()
