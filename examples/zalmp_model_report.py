#!/usr/bin/env python3
"""Lists a model's bodies with their masses and joint counts, doubles the
stiffness of its linear springs and saves the result under a new name.

    examples/zalmp_model_report.py demo.xml stiffer.xml
"""
import sys

import zalmp


def report(source, target):
    model = zalmp.load(source)
    world = model.world
    print("%-12s %10s %7s" % ("body", "mass", "joints"))
    for body in world.bodies:
        print("%-12s %10.4g %7d" % (body.name, body.mass, len(body.joints)))

    for spring in world.connectors:
        # a stiffness held as an expression reads as None and is left as it is
        if isinstance(spring, zalmp.LinearSpring) and spring.stiffness is not None:
            spring.stiffness *= 2
            print("%s: stiffness now %g" % (spring.name, spring.stiffness))
    zalmp.save(world, target)
    print("saved", target)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    try:
        report(sys.argv[1], sys.argv[2])
    except zalmp.Error as error:
        sys.exit("zalmp_model_report: %s" % error)
