import matplotlib.pyplot as plt
import tarvex

pipe = dict(shape=3, modulus=29.0e6, width_top=24.0, width_bottom=24.0, wall_thickness_top=0.5,
            wall_thickness_bottom=0.5, area_top=36.91, area_bottom=36.91, inertia_top=2549.4, inertia_bottom=2549.4)
pile = tarvex.Problem(
    title=["Steel pipe pile, 24 in x 0.5 in wall, free head, in soft clay"],
    sections=[tarvex.ElasticSection(length=60.0, **pipe)],
    soil_layers=[tarvex.SoftClay(top=0.0, bottom=80.0, gamma=50.0, cohesion=(400.0, 1200.0), eps50=0.01)],
    loads=[tarvex.ShearMoment(shear=10000.0, axial=50000.0)])
study = tarvex.sweep(pile, pile_length=range(16, 42, 2), shear=[5000.0, 10000.0, 20000.0])
table = tarvex.run_many(study)
for shear, rows in table.groupby("shear"):
    plt.plot(rows.pile_length, rows.head_deflection_in, marker="o", label=f"{shear / 1000:g} kips")
plt.xlabel("Pile length (ft)"), plt.ylabel("Pile-head deflection (in)"), plt.legend(title="Head shear")
plt.savefig("docs/head_deflection_vs_length.png", dpi=100)
